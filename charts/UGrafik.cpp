#include "charts/UGrafik.h"

#include "analysis/Runden.h"

#include "charts/Schriften.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

bool direkt_beschreibbar(const QImage& Bild) {
    switch (Bild.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:  // opaque colours are the same premultiplied
        return true;
    default:
        return false;
    }
}

inline int mod8(int v) { return ((v % 8) + 8) % 8; }

// The 8 x 8 hatch patterns, anchored at the image origin. The phases are those of Qt's own
// pattern brushes, so a polygon hatched through QPainter lines up with a
// rectangle hatched here.
bool Muster_gesetzt(Pinselart Pinselstil, int x, int y) {
    const bool waagerecht = mod8(y) == 3;
    const bool senkrecht = mod8(x) == 4;
    const bool fallend = mod8(x - y) == 0;   // top left to bottom right
    const bool steigend = mod8(x + y) == 7;  // bottom left to top right
    switch (Pinselstil) {
    case Pinselart::bsSolid:
        return true;
    case Pinselart::bsHorizontal:
        return waagerecht;
    case Pinselart::bsVertical:
        return senkrecht;
    case Pinselart::bsFDiagonal:
        return fallend;
    case Pinselart::bsBDiagonal:
        return steigend;
    case Pinselart::bsCross:
        return waagerecht || senkrecht;
    case Pinselart::bsDiagCross:
        return fallend || steigend;
    default:
        return false;  // bsClear paints nothing
    }
}

Qt::BrushStyle Qt_Pinsel(Pinselart Pinselstil) {
    switch (Pinselstil) {
    case Pinselart::bsSolid:
        return Qt::SolidPattern;
    case Pinselart::bsHorizontal:
        return Qt::HorPattern;
    case Pinselart::bsVertical:
        return Qt::VerPattern;
    case Pinselart::bsFDiagonal:
        return Qt::FDiagPattern;
    case Pinselart::bsBDiagonal:
        return Qt::BDiagPattern;
    case Pinselart::bsCross:
        return Qt::CrossPattern;
    case Pinselart::bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// The image as the primitives see it: logical size, device scale and the mapping of a
// logical coordinate to its first device pixel. Logical pixel x covers the device columns
// D(x) <= X < D(x + 1), D(x) = floor(x s + 1/2): one monotone mapping, so neighbouring
// blocks neither overlap nor leave a gap, also at a fractional scale.
struct Raster {
    QImage& Bild;
    double s;
    bool eins;   // s = 1: logical and device pixels are the same, the old fast path
    int lb, lh;  // logical size
    int gb, gh;  // device size
    bool direkt;

    explicit Raster(QImage& b)
        : Bild(b),
          s(b.devicePixelRatio()),
          eins(s == 1.0),
          lb(Logische_Breite(b)),
          lh(Logische_Hoehe(b)),
          gb(b.width()),
          gh(b.height()),
          direkt(direkt_beschreibbar(b)) {}

    int D(int x) const { return eins ? x : Geraetepixel(s, x); }

    void setzen(int X, int Y, QRgb Farbe) {
        if (direkt)
            reinterpret_cast<QRgb*>(Bild.scanLine(Y))[X] = Farbe;
        else
            Bild.setPixel(X, Y, Farbe);
    }

    // Device pixels X0 <= X < X1, Y0 <= Y < Y1, already clipped.
    void Block(int X0, int Y0, int X1, int Y1, QRgb Farbe) {
        for (int Y = Y0; Y < Y1; ++Y) {
            if (direkt) {
                QRgb* zeile = reinterpret_cast<QRgb*>(Bild.scanLine(Y));
                std::fill(zeile + X0, zeile + X1, Farbe);
            } else {
                for (int X = X0; X < X1; ++X) Bild.setPixel(X, Y, Farbe);
            }
        }
    }

    // The device block of logical pixel (x, y), which lies inside the logical image.
    void Logischer_Block(int x, int y, QRgb Farbe) {
        Block(D(x), D(y), std::min(D(x + 1), gb), std::min(D(y + 1), gh), Farbe);
    }
};

inline void Punkt(Raster& r, int x, int y, QRgb Farbe) {
    if (x < 0 || y < 0 || x >= r.lb || y >= r.lh) return;
    if (r.eins)
        r.setzen(x, y, Farbe);
    else
        r.Logischer_Block(x, y, Farbe);
}

// Pixels x0 <= x < x1, y0 <= y < y1 (clipped) in the brush pattern.
void Flaeche(Raster& r, int x0, int y0, int x1, int y1, QRgb Farbe, Pinselart Pinselstil) {
    if (Pinselstil == Pinselart::bsClear) return;
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, r.lb);
    y1 = std::min(y1, r.lh);
    if (x0 >= x1 || y0 >= y1) return;
    if (Pinselstil == Pinselart::bsSolid) {
        r.Block(r.D(x0), r.D(y0), std::min(r.D(x1), r.gb), std::min(r.D(y1), r.gh), Farbe);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (!Muster_gesetzt(Pinselstil, x, y)) continue;
            if (r.eins)
                r.setzen(x, y, Farbe);
            else
                r.Logischer_Block(x, y, Farbe);
        }
    }
}

// Dash patterns of the pen styles, in pixels along the line, anchored at its start point.
bool Strich_an(Stiftart Stil, std::int64_t i) {
    switch (Stil) {
    case Stiftart::psDash:
        return i % 8 < 6;  // 6 on, 2 off
    case Stiftart::psDot:
        return i % 2 == 0;  // 1 on, 1 off
    case Stiftart::psClear:
        return false;
    default:
        return true;  // solid, inside-frame
    }
}

// A pen point of width b covers the b x b square from x - (b-1)/2 on: a width-2 line grows
// right and down, so a curve that starts on the probability axis stays right of it.
void Stiftpunkt(Raster& r, int x, int y, QRgb Farbe, int b) {
    if (b <= 1) {
        Punkt(r, x, y, Farbe);
        return;
    }
    const int x0 = x - (b - 1) / 2, y0 = y - (b - 1) / 2;
    Flaeche(r, x0, y0, x0 + b, y0 + b, Farbe, Pinselart::bsSolid);
}

// The pixels of a line from (x1, y1) towards (x2, y2), each handed to `Stift`; only those
// whose pen square of width b can reach 0 <= x < Breite, 0 <= y < Hoehe, and `Stift` clips. The pixels do not depend on
// the direction: they are computed from the end with the smaller main coordinate, rounding the minor coordinate to the
// nearest pixel and halves toward that end's row or column. Mirror-image edges (the two sides of an arrowhead) then get
// mirror-image pixels.
template <class Stiftfunktion>
void Linienpixel(int x1, int y1, int x2, int y2, int b, Stiftart Stil, int Breite, int Hoehe, Stiftfunktion Stift) {
    // 64-bit arithmetic: coordinates may come clamped to +-Pixel_Grenze, and a far end point
    // must neither overflow nor cost one loop step per off-image pixel.
    const std::int64_t dx = std::int64_t{x2} - x1, dy = std::int64_t{y2} - y1;
    const std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
    const std::int64_t schritte = std::max(adx, ady);  // the end point is step `schritte`
    if (schritte == 0) return;
    const bool x_fuehrt = adx >= ady;
    const std::int64_t haupt0 = x_fuehrt ? x1 : y1;
    const std::int64_t richtung = (x_fuehrt ? dx : dy) >= 0 ? 1 : -1;
    const std::int64_t neben0 = x_fuehrt ? y1 : x1;
    const std::int64_t neben_d = x_fuehrt ? dy : dx;
    const std::int64_t grenze = x_fuehrt ? Breite : Hoehe;

    // Only the steps whose main coordinate can touch the image (pen square included).
    std::int64_t i_von = 0, i_bis = schritte - 1;
    const std::int64_t lo = -b, hi = grenze + b;
    if (richtung > 0) {
        i_von = std::max(i_von, lo - haupt0);
        i_bis = std::min(i_bis, hi - haupt0);
    } else {
        i_von = std::max(i_von, haupt0 - hi);
        i_bis = std::min(i_bis, haupt0 - lo);
    }
    const bool umgekehrt = richtung < 0;
    const std::int64_t basis_neben = umgekehrt ? neben0 + neben_d : neben0;
    const std::int64_t basis_d = umgekehrt ? -neben_d : neben_d;
    for (std::int64_t i = i_von; i <= i_bis; ++i) {
        if (!Strich_an(Stil, i)) continue;
        const std::int64_t j = umgekehrt ? schritte - i : i;
        const std::int64_t betrag = std::llabs(j * basis_d);
        std::int64_t versatz = (2 * betrag + schritte - 1) / (2 * schritte);
        if (j * basis_d < 0) versatz = -versatz;
        const std::int64_t haupt = haupt0 + richtung * i;
        const std::int64_t neben = basis_neben + versatz;
        const std::int64_t px = x_fuehrt ? haupt : neben;
        const std::int64_t py = x_fuehrt ? neben : haupt;
        if (px < -b || py < -b || px > Breite + b || py > Hoehe + b) continue;
        Stift(static_cast<int>(px), static_cast<int>(py));
    }
}

}  // namespace

// Paints through `malen` at logical resolution. At s = 1 straight onto the image, as every
// chart was drawn before there was a scale. Otherwise onto a transparent logical scratch
// image over `Bereich`, whose painted pixels are then written as device blocks, so a
// polygon stays as crisp as the rectangles around it. The scratch's offset is a
// multiple of 8, which keeps the origin-anchored hatch patterns in phase.
void Logisch_malen(QImage& Bild, const QRect& Bereich, const std::function<void(QPainter&)>& malen) {
    Raster r(Bild);
    if (r.eins) {
        QPainter p(&Bild);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrushOrigin(0, 0);
        malen(p);
        return;
    }
    const QRect b = Bereich.intersected(QRect(0, 0, r.lb, r.lh));
    if (b.isEmpty()) return;
    const int ox = b.left() - mod8(b.left()), oy = b.top() - mod8(b.top());
    QImage Skizze(b.right() + 1 - ox, b.bottom() + 1 - oy, QImage::Format_ARGB32_Premultiplied);
    Skizze.fill(Qt::transparent);
    {
        QPainter p(&Skizze);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-ox, -oy);
        p.setBrushOrigin(0, 0);
        malen(p);
    }
    for (int y = b.top(); y <= b.bottom(); ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(Skizze.constScanLine(y - oy));
        for (int x = b.left(); x <= b.right(); ++x) {
            const QRgb c = zeile[x - ox];
            // Aliased painting leaves each pixel either untouched or opaque.
            if (qAlpha(c) == 255) r.Logischer_Block(x, y, c);
        }
    }
}

int Pixel_trunc(long double Wert) {
    if (std::isnan(Wert)) return 0;
    if (Wert >= static_cast<long double>(Pixel_Grenze)) return Pixel_Grenze;
    if (Wert <= -static_cast<long double>(Pixel_Grenze)) return -Pixel_Grenze;
    return static_cast<int>(Wert);  // the cast truncates toward zero
}

int Pixel_runden(long double Wert) { return Ganz_runden(Wert, -Pixel_Grenze, Pixel_Grenze, 0); }

void Rechteck(QImage& Bild, int x1, int y1, int x2, int y2, QRgb Stiftfarbe, QRgb Pinselfarbe, int Stiftbreite,
              Stiftart Stiftstil, Pinselart Pinselstil) {
    const int xa = std::min(x1, x2), xb = std::max(x1, x2);
    const int ya = std::min(y1, y2), yb = std::max(y1, y2);
    if (xa >= xb || ya >= yb) return;
    Raster r(Bild);
    if (Stiftstil == Stiftart::psClear) {
        Flaeche(r, xa, ya, xb, yb, Pinselfarbe, Pinselstil);
        return;
    }
    // The pen ring lies inside the rectangle: a wider pen grows inwards, so the covered
    // pixels stay min..max-1 whatever the width.
    const int b = std::max(1, Stiftbreite);
    Flaeche(r, xa + b, ya + b, xb - b, yb - b, Pinselfarbe, Pinselstil);
    if (Stiftstil == Stiftart::psSolid) {
        Flaeche(r, xa, ya, xb, std::min(ya + b, yb), Stiftfarbe, Pinselart::bsSolid);
        Flaeche(r, xa, std::max(yb - b, ya), xb, yb, Stiftfarbe, Pinselart::bsSolid);
        Flaeche(r, xa, ya, std::min(xa + b, xb), yb, Stiftfarbe, Pinselart::bsSolid);
        Flaeche(r, std::max(xb - b, xa), ya, xb, yb, Stiftfarbe, Pinselart::bsSolid);
        return;
    }
    // A patterned ring: the four sides as lines round the rectangle.
    const int rechts = xb - 1, u = yb - 1;
    Linie(Bild, xa, ya, rechts, ya, Stiftfarbe, 1, Stiftstil);
    Linie(Bild, rechts, ya, rechts, u, Stiftfarbe, 1, Stiftstil);
    Linie(Bild, rechts, u, xa, u, Stiftfarbe, 1, Stiftstil);
    Linie(Bild, xa, u, xa, ya, Stiftfarbe, 1, Stiftstil);
    if (xa == rechts || ya == u) Punkt(r, rechts, u, Stiftfarbe);
}

void Bild_fuellen(QImage& Bild, QRgb Stiftfarbe, QRgb Pinselfarbe, int Stiftbreite) {
    Rechteck(Bild, 0, 0, Logische_Breite(Bild), Logische_Hoehe(Bild), Stiftfarbe, Pinselfarbe, Stiftbreite,
             Stiftart::psSolid, Pinselart::bsSolid);
}

void Bild_loeschen(QImage& Bild, bool Rahmen) { Bild_fuellen(Bild, Rahmen ? clBlack : clWhite, clWhite, 1); }

void Linie(QImage& Bild, int x1, int y1, int x2, int y2, QRgb Farbe, int Breite, Stiftart Stil) {
    if (Stil == Stiftart::psClear) return;
    Raster r(Bild);
    const int b = std::max(1, Breite);
    Linienpixel(x1, y1, x2, y2, b, Stil, r.lb, r.lh, [&](int x, int y) { Stiftpunkt(r, x, y, Farbe, b); });
}

void Geraetelinie(QImage& Bild, int X1, int Y1, int X2, int Y2, QRgb Farbe, int Breite) {
    const int b = std::max(1, Breite);
    const bool direkt = direkt_beschreibbar(Bild);
    const int gb = Bild.width(), gh = Bild.height();
    Linienpixel(X1, Y1, X2, Y2, b, Stiftart::psSolid, gb, gh, [&](int X, int Y) {
        const int X0 = std::max(X, 0), Y0 = std::max(Y, 0);
        const int Xe = std::min(X + b, gb), Ye = std::min(Y + b, gh);
        for (int y = Y0; y < Ye; ++y) {
            if (direkt) {
                QRgb* zeile = reinterpret_cast<QRgb*>(Bild.scanLine(y));
                std::fill(zeile + X0, zeile + std::max(X0, Xe), Farbe);
            } else {
                for (int x = X0; x < Xe; ++x) Bild.setPixel(x, y, Farbe);
            }
        }
    });
}

void Polygon_zeichnen(QImage& Bild, const QPolygon& Punkte, QRgb Stiftfarbe, QRgb Pinselfarbe, Pinselart Pinselstil) {
    if (Punkte.isEmpty()) return;
    if (Pinselstil != Pinselart::bsClear) {
        Logisch_malen(Bild, Punkte.boundingRect(), [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(QColor::fromRgb(Pinselfarbe), Qt_Pinsel(Pinselstil)));
            p.drawPolygon(Punkte);
        });
    }
    Raster r(Bild);
    // The outline through the same lines as Linie, so every vertex is painted and a
    // symmetric shape (an arrowhead) gets a symmetric outline; Qt's polygon stroker leaves
    // out pixels of the right and bottom edges.
    for (int i = 0; i < Punkte.size(); ++i) {
        const QPoint& a = Punkte[i];
        const QPoint& b = Punkte[(i + 1) % Punkte.size()];
        if (a == b)
            Punkt(r, a.x(), a.y(), Stiftfarbe);
        else
            Linie(Bild, a.x(), a.y(), b.x(), b.y(), Stiftfarbe, 1, Stiftart::psSolid);
    }
}

QFont Schrift_zu_QFont(const Schrift& s) {
    // Matching the cell height costs several font-metric look-ups; a redraw asks for the
    // same two or three fonts dozens of times, so remember the answers.
    struct Eintrag {
        QString Name;
        int Hoehe;
        bool fett;
        QFont Font;
    };
    static std::vector<Eintrag> Zwischenspeicher;
    for (const Eintrag& e : Zwischenspeicher)
        if (e.Hoehe == s.Hoehe && e.fett == s.fett && e.Name == s.Name) return e.Font;

    QFont f = Diagrammschrift(s.Name);
    f.setBold(s.fett);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    // Hoehe is the height of the character cell (ascent + descent), as the chart layout
    // reserves it for a row of text; Qt's pixel size is the em, which is smaller than the
    // cell. Shrink the em until the cell fits.
    const int hoehe = std::max(1, s.Hoehe);
    f.setPixelSize(hoehe);
    for (int px = hoehe; px > 1; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= hoehe) break;
    }
    if (Zwischenspeicher.size() < 64) Zwischenspeicher.push_back({s.Name, s.Hoehe, s.fett, f});
    return f;
}

int Textbreite(const QString& Text, const Schrift& f) {
    return QFontMetrics(Schrift_zu_QFont(f)).horizontalAdvance(Text);
}

int Texthoehe(const QString&, const Schrift& f) { return QFontMetrics(Schrift_zu_QFont(f)).height(); }

void Text_ausgeben(QImage& Bild, int x, int y, const QString& Text, const Schrift& f, bool Hintergrund_fuellen,
                   QRgb Hintergrund) {
    if (Text.isEmpty()) return;
    const QFont font = Schrift_zu_QFont(f);
    const QFontMetrics m(font);
    if (Hintergrund_fuellen) {
        Raster r(Bild);
        Flaeche(r, x, y, x + m.horizontalAdvance(Text), y + m.height(), Hintergrund, Pinselart::bsSolid);
    }
    // A painter on an image with a device pixel ratio scales by it: the glyphs are drawn
    // at device resolution from the logical position and font size.
    QPainter p(&Bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(QColor::fromRgb(f.Farbe));
    p.drawText(QPoint(x, y + m.ascent()), Text);
}

int Logische_Breite(const QImage& Bild) { return qRound(Bild.deviceIndependentSize().width()); }
int Logische_Hoehe(const QImage& Bild) { return qRound(Bild.deviceIndependentSize().height()); }

int Geraetepixel(double Skala, int x) { return static_cast<int>(std::floor(static_cast<double>(x) * Skala + 0.5)); }

int Geraetepixel(const QImage& Bild, int x) {
    const double s = Bild.devicePixelRatio();
    return s == 1.0 ? x : Geraetepixel(s, x);
}

QImage Diagrammbild(int Breite, int Hoehe, double Skala) {
    if (!(Skala > 0.0) || !std::isfinite(Skala)) Skala = 1.0;
    QImage Bild(std::max(Geraetepixel(Skala, Breite), 1), std::max(Geraetepixel(Skala, Hoehe), 1),
                QImage::Format_RGB32);
    Bild.setDevicePixelRatio(Skala);
    Bild.fill(clWhite);
    return Bild;
}
