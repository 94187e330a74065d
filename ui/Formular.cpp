#include "ui/Formular.h"

#include "charts/Schriften.h"
#include "ui/Zugang.h"

#include <QFont>
#include <QGroupBox>
#include <QList>
#include <QPalette>
#include <QVariant>
#include <QWidget>

// The form's pictures (ui/Quorvel.qrc) are compiled into a static library, whose objects the
// linker takes only when something refers to them; this is that reference. Qt's macro must
// stand outside every namespace.
static void Bilder_anmelden() {
    static const bool einmal = [] {
        Q_INIT_RESOURCE(Quorvel);
        return true;
    }();
    (void)einmal;
}

void Formular_anmelden() {
    Fensterschriften_ersetzen();
    Zugang_anmelden();
    Bilder_anmelden();
}

namespace {

QFont Qt_Schrift(const QString& Name, int Pixel, bool fett, bool kursiv) {
    QFont f(Name);
    f.setPixelSize(Pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

}  // namespace

// The window's fonts have pixel sizes, the same on every screen; the form gives such a font's
// family and style in <font> and its size as the dynamic property.
void Formular_ergaenzen(QWidget* Fenster) {
    QList<QWidget*> Alle = Fenster->findChildren<QWidget*>();
    Alle.prepend(Fenster);
    for (QWidget* w : Alle) {
        // A group is heard by its own caption; Qt would name a group inside another by the
        // outer one's.
        if (auto* g = qobject_cast<QGroupBox*>(w); g && g->accessibleName().isEmpty())
            g->setAccessibleName(g->title().simplified());
        const QVariant Pixel = w->property("Pixelgroesse");
        if (!Pixel.isValid()) continue;
        const QFont f = w->font();
        w->setFont(Qt_Schrift(f.family(), Pixel.toInt(), f.bold(), f.italic()));
    }
}

void Hintergrund(QWidget* w, const QColor& Farbe) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Farbe);
    w->setPalette(pal);
}
