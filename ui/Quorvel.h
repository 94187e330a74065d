#pragma once
// Form1, the program's only window. It binds the controls of the form ui/Quorvel.ui to the
// session (ui/Sitzung.h): an edit, a click or a pick goes to the session, and the session's
// one change signal shows inputs and evaluation anew, once. Window concerns stay here: focus
// and entries, the chart image, full screen, export and print, help, drag and drop.
// Each control is the member of Ui::Form1 named as its objectName.

#include "analysis/Eingaben.h"
#include "charts/Geometrie.h"
#include "ui/Dokument.h"
#include "ui/Sitzung.h"

#include "ui_Quorvel.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <array>

class Bildschirmgroesse;
class Diagrammzeiger;
class QScrollArea;
class Eingabehinweis;
class Erkundungsanzeige;
class Farbwahl;
class Stichprobenfeld;

class TForm1 : public QWidget, public Ui::Form1 {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Sitzung& Eingaben_des_Fensters() { return sitzung; }
    // The evaluation shown, and the geometry of the chart now in Image1.
    const Zustand& Stand() const { return sitzung.Ergebnis().z; }
    const Diagrammgeometrie& Geometrie_des_Bildes() const { return Geometrie; }
    Dokument& Aufgabe() { return dokument; }

    // What leaving Feld for another control does: its entry judged, if the user edited it.
    void Feld_verlassen(QWidget* Feld);
    // The picture now shown at device scale Skala over Groesse logical pixels (default: the
    // image's), drawn anew from the evaluation where it can be, else its pixels in blocks.
    QImage Grafik_in_Skala(qreal Skala, QSize Groesse = {}) const;
    // The picture now shown into Name ("PNG 2×", any whole factor, or "PDF").
    bool Grafik_schreiben(const QString& Name, const QString& Format);

    // The four explorations; one that runs stops at Esc, a click on the chart, Histo or any
    // input, and its picture stays until the next change. A run of samples stops alike.
    void Erkunden(int Art);
    bool Erkundung_laeuft() const;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Steuerelemente_anlegen();
    void Ereignisse_verbinden();
    void Eingaben_verbinden();
    // Inputs and evaluation into every control, the grid and the chart.
    void Anzeigen();
    void Feld_zeigen(int i);
    void Zeichnen();
    // The message a change may bring, after the window shows it.
    void Nach_Aenderung();
    void Urteil_zeigen(QLineEdit* Feld, const Eingabeurteil& u);
    void Fokus_gewechselt(QWidget* alt, QWidget* neu);
    bool Taste_im_Feld(QObject* o, QKeyEvent* k);
    void Histo_geklickt();
    void Std_geklickt();
    void Clipboard_geklickt();
    void Erkundung_anhalten();
    // The samples the chart shows: a run's of the panel, else the inputs' own; nullptr for none.
    const Stichprobenstand* Gezeigte_Stichproben() const;
    void Bild_zeigen(const QString& Beschreibung);

    // The chart out of the window (ui/Grafikausgabe.cpp).
    void Vollbild_zeigen();
    void Grafik_speichern();
    void Grafik_drucken();
    QString Dateiname_vorschlagen(const QString& Format) const;
    void Hilfe_zeigen();

    // The window's size (ui/Fenstergroesse.cpp).
    void Band_einrichten();
    void Anordnen();
    void Aussengroesse_anpassen();

    Sitzung sitzung;
    Dokument dokument;
    Erkundungsanzeige* Erkundung = nullptr;
    Stichprobenfeld* Stichproben = nullptr;
    Diagrammzeiger* Zeiger = nullptr;
    Bildschirmgroesse* Platz = nullptr;
    QScrollArea* Band = nullptr;
    // Why the last entry was refused or corrected, beside its field (ui/Eingabehinweis.h).
    Eingabehinweis* Hinweis = nullptr;
    Farbwahl* Farbauswahl = nullptr;
    // The 19 edit fields in the order of Feld, the boxes in the order of Kasten.
    std::array<QLineEdit*, Feldzahl> Felder{};
    std::array<QCheckBox*, 14> Kaesten{};
    std::array<QComboBox*, 3> Arten{};
    // What Image1 shows: the evaluation's chart, or an exploration's picture.
    bool Erkundungsbild = false;
    Diagrammgeometrie Geometrie;
    int Oeffnungshoehe = 0;
    bool Aussengroesse_gesetzt = false;
    bool erstmals_gezeigt = false;
    QString Letzter_Ordner, Letztes_Format;
    QPointer<QDialog> Hilfe;
};
