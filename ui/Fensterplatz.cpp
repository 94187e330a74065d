#include "ui/Fensterplatz.h"

#include <QSettings>

#include <algorithm>

namespace {

QSettings Einstellungen() { return QSettings(QStringLiteral("Quorvel-Entwicklung"), QStringLiteral("Quorvel")); }

QString Gruppe(const QString& Schluessel) { return QStringLiteral("Fenster/") + Schluessel; }

QRect Eingepasst(QRect r, const QRect& v) {
    if (v.width() >= Kleinste_Flaeche.width() && v.height() >= Kleinste_Flaeche.height())
        r.setSize(r.size().boundedTo(v.size()));
    r.moveLeft(std::clamp(r.left(), v.left(), std::max(v.left(), v.right() - r.width() + 1)));
    r.moveTop(std::clamp(r.top(), v.top(), std::max(v.top(), v.bottom() - r.height() + 1)));
    return r;
}

}  // namespace

QRect Rahmen_vorgegeben(const QRect& Verfuegbar) {
    QRect r(QPoint(), Fenster_Vorgabe);
    r.moveCenter(Verfuegbar.center());
    return Eingepasst(r, Verfuegbar);
}

QRect Rahmen_einpassen(const QRect& Rahmen, const QList<QRect>& Verfuegbar) {
    if (Verfuegbar.isEmpty()) return Rahmen;
    const QRect* bester = nullptr;
    qint64 Flaeche = 0;
    for (const QRect& v : Verfuegbar) {
        const QRect s = v.intersected(Rahmen);
        const qint64 f = s.isEmpty() ? 0 : qint64(s.width()) * s.height();
        if (f > Flaeche) Flaeche = f, bester = &v;
    }
    // An empty rectangle, or one left on a screen that has gone: the described place.
    if (!bester || Rahmen.isEmpty()) return Rahmen_vorgegeben(Verfuegbar.constFirst());
    return Eingepasst(Rahmen, *bester);
}

int Zoom_hoechstens(const QSize& Verfuegbar) {
    int h = Zoomstufen.front();
    for (int p : Zoomstufen)
        if (qint64(Verfuegbar.width()) * 100 >= qint64(Fenster_Mindestflaeche.width()) * p &&
            qint64(Verfuegbar.height()) * 100 >= qint64(Fenster_Mindestflaeche.height()) * p)
            h = p;
    return h;
}

int Zoom_schritt(int Jetzt, int Richtung, int Hoechstens) {
    int z = Zoomstufen.front();
    if (Richtung > 0) {
        z = Zoomstufen.back();
        for (int p : Zoomstufen)
            if (p > Jetzt) {
                z = p;
                break;
            }
    } else if (Richtung < 0) {
        for (int p : Zoomstufen)
            if (p < Jetzt) z = p;
    }
    return std::clamp(z, int(Zoomstufen.front()), std::max(int(Zoomstufen.front()), Hoechstens));
}

QString Bildschirmschluessel(const QList<QRect>& Bildschirme) {
    QStringList Teile;
    for (const QRect& r : Bildschirme)
        Teile << QStringLiteral("%1x%2%3%4%5%6")
                     .arg(r.width())
                     .arg(r.height())
                     .arg(r.x() < 0 ? QString() : QStringLiteral("+"))
                     .arg(r.x())
                     .arg(r.y() < 0 ? QString() : QStringLiteral("+"))
                     .arg(r.y());
    return Teile.isEmpty() ? QStringLiteral("ohne") : Teile.join(QLatin1Char('_'));  // kein Text
}

int Zoom_gemerkt(const QString& Schluessel) {
    const int p = Einstellungen().value(Gruppe(Schluessel) + QStringLiteral("/Zoom"), 100).toInt();
    return std::find(Zoomstufen.begin(), Zoomstufen.end(), p) != Zoomstufen.end() ? p : 100;
}

void Zoom_merken(const QString& Schluessel, int Prozent) {
    Einstellungen().setValue(Gruppe(Schluessel) + QStringLiteral("/Zoom"), Prozent);
}

QRect Rahmen_gemerkt(const QString& Schluessel, int Prozent) {
    return Einstellungen().value(Gruppe(Schluessel) + QStringLiteral("/Rahmen%1").arg(Prozent)).toRect();
}

void Rahmen_merken(const QString& Schluessel, int Prozent, const QRect& Rahmen) {
    Einstellungen().setValue(Gruppe(Schluessel) + QStringLiteral("/Rahmen%1").arg(Prozent), Rahmen);
}
