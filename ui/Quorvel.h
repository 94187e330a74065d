#pragma once
// Form1, the program's only window: every input field, display switch and action button,
// the value grid and the chart image. The handlers read the switches, call the computing and
// drawing routines in a fixed order and write the texts; the logic lives in analysis/ and charts/.
// The controls, their captions, places, fonts, colours and focus order are the form
// ui/Quorvel.ui; each control is the member of Ui::Form1 named as its objectName.

#include "analysis/Berechnung.h"
#include "analysis/Zustand.h"
#include "charts/Geometrie.h"
#include "explorations/Erkundung.h"
#include "ui/Aufgabe.h"

#include "ui_Quorvel.h"

#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class Erkundungsanzeige;

class TForm1 : public QWidget, public Ui::Form1 {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Zustand& Stand() { return z; }
    const Zustand& Stand() const { return z; }
    // The state's k1 or k2 into its field.
    void k1_zeigen();
    void k2_zeigen();
    // Puts Image1's picture on screen with the words that tell a screen reader what it shows.
    void Bild_zeigen(const QString& Beschreibung);
    // The geometry of the chart last drawn into Image1.
    const Diagrammgeometrie& Geometrie_des_Bildes() const { return Geometrie; }

    // The switch states at this moment; built anew for every call, never kept.
    Schalter Schalter_lesen() const;

    // Recomputation (tables, moments, bounds, labels, grid, confidence interval).
    void Alles_berechnen();
    // The distribution chart anew into Image1.
    void Histo_neu_zeichnen();
    // The same at the switch states s, read once for the whole event.
    void Alles_berechnen(const Schalter& s);
    void Histo_neu_zeichnen(const Schalter& s);
    // What most entries end with: both, the switches read once.
    void Neu_berechnen_und_zeichnen();
    // The distribution chart of the state as it stands into Bild, at Bild's size; changes
    // nothing (no narrowing, no levels stored). Returns its geometry.
    Diagrammgeometrie Verteilungsbild(QImage& Bild, const Schalter& s) const;
    // Every input field and variable to its start value; ends with Alles_berechnen, no redraw.
    void Standardwerte_setzen();

    // Event handlers.
    void FormCreate();
    void BitBtn_HistoneuClick();
    void BitBtn_OCClick();
    void SpeedButton_StandardwerteClick();
    void SpeedButton_ClipboardClick();
    void CheckBox_p1_zeichnenClick();
    void CheckBox_p2_zeichnenClick();
    void CheckBox_p0_kumuliertClick();
    void ComboBox_Histo_SaeuleChange();
    void CheckBox_Alfa_zeigenClick();
    void CheckBox_Annahmebereich_zeigenClick();
    void CheckBox_Umgebung_schraffierenClick();
    void CheckBox_InfoClick();
    void CheckBox_NormalverteilungClick();
    void CheckBox_Erwartungswert_zeigenClick();
    void CheckBox_Sigma_zeigenClick();
    void CheckBox_Stichprobenergebnis_zeigenClick();
    void CheckBox_Vertrauensintervall_berechnenClick();
    void ComboBox_Verteilung_p0Change();
    void ComboBox_Verteilung_p1Change();
    void ComboBox_Verteilung_p2Change();
    void Edit_nChange();

    // Exit handlers of the 19 edit fields (ui/Eingabe.cpp): parse, check, apply.
    void Edit_nExit();
    void Edit_StichprobenergebnisExit();
    void Edit_k1Exit();
    void Edit_k2Exit();
    // p, M and N of distribution row i (0, 1, 2).
    void Edit_pExit(int i);
    void Edit_MExit(int i);
    void Edit_NExit(int i);
    void Edit_AlfaliExit();
    void Edit_AlfareExit();
    void Edit_kliExit();
    void Edit_kreExit();
    void Edit_SigmafaktorExit();
    void Edit_UmgebungExit();
    // What leaving Feld for another control does: its exit handler, if it is an edit field.
    void Feld_verlassen(QWidget* Feld);

    // The chart out of the window (ui/Grafikausgabe.cpp): alone, full screen (F11, a double
    // click on it); exported into a PNG (1×, 2×, 4×) or a PDF page (Ctrl+E); on paper (Ctrl+P).
    void Vollbild_zeigen();
    void Grafik_speichern();
    // The picture now shown into Name in Format ("PNG 2×", any whole factor, or "PDF"); false
    // when it can't be written.
    bool Grafik_schreiben(const QString& Name, const QString& Format);
    void Grafik_drucken();
    // The picture now shown at device scale Skala over Groesse logical pixels (default: the
    // image's), drawn anew from the state where it can be (drawing changes nothing), else its
    // pixels in blocks.
    QImage Grafik_in_Skala(qreal Skala, QSize Groesse = {}) const;
    // The image at its device pixels into a PNG file; false when it can't be written.
    static bool Als_PNG_schreiben(QImage Bild, const QString& Name);
    // F1: the short help, in a window of its own beside this one (ui/Hilfe.cpp).
    void Hilfe_zeigen();

    // The lesson file (ui/Dokument.cpp, the format ui/Aufgabe.h).
    // The window's settings as a lesson file holds them.
    Aufgabe Aufgabe_erfassen() const;
    // Types a into the window from the start values; the first problem ("n: …"), empty when
    // every value was taken. Folge receives the order in which N, M and n were taken;
    // Vorgabe replays such an order; Meldungen are the messages the rules gave meanwhile.
    QString Aufgabe_eintragen(const Aufgabe& a, QStringList* Folge = nullptr, const QStringList* Vorgabe = nullptr,
                              const QStringList* Meldungen = nullptr);
    // The file read and checked for shape (not for the fields' rules); refused unread when
    // larger than Aufgabe_hoechstens.
    static Aufgabe_gelesen Aufgabe_laden(const QString& Datei);
    // a typed into a hidden window of its own, the messages held back; the first problem, or
    // empty, then Danach runs on that window.
    static QString Aufgabe_probieren(const Aufgabe& a, QStringList& Folge,
                                     const std::function<void(TForm1&)>& Danach = {});
    // All or nothing: after the question about unsaved changes, the file's values, or one
    // message naming the file and its first problem with the window as it was.
    bool Aufgabe_oeffnen(const QString& Datei);
    void Aufgabe_oeffnen_waehlen();  // Ctrl+O
    bool Aufgabe_speichern();        // Ctrl+S
    bool Aufgabe_speichern_unter();  // Ctrl+Shift+S
    // Unsaved changes to the open file: asks; false when the user cancels (or saving failed).
    bool Aenderungen_sichern();
    const QString& Aufgabendatei() const { return Datei; }
    // The caption without Qt's changed-mark placeholder, for a page's title.
    QString Titel_ohne_Marke() const;
    // The last lesson files opened or saved, newest first, at most eight (QSettings).
    static QStringList Zuletzt_geoeffnet();
    // The installed example tasks' folder, empty when there is none.
    static QString Beispielordner();
    // The chart of the file Datei into Bilddatei (.pdf: the worksheet page; else PNG at Skala)
    // without a window shown; the problem in German, empty on success.
    static QString Grafik_aus_Aufgabe(const QString& Datei, const QString& Bilddatei, int Skala);
    // The "Std" button: the start values after the question about unsaved changes.
    void Std_geklickt();

    // Explorations: shown from the window's n, p0 and Info box, which they leave as they are.
    void Button_p0_variabelClick();
    void Button_n_variabelClick();
    void BitBtn_p0AnimationClick();
    void BitBtn_nAnimationClick();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    Zustand z;
    // Shows the explorations in Image1; made at the first one. A redraw of the window stops it.
    Erkundungsanzeige* Erkundungen = nullptr;
    void Erkundung_zeigen(Erkundungsart Art);

    void Steuerelemente_anlegen();
    void Ereignisse_verbinden();
    // The widgets of distribution row i, the window's side of Zeile_von(z, i).
    struct Zeilenfelder {
        QComboBox* Art;
        QLineEdit* p;
        QLineEdit* M;
        QLineEdit* N;
        QLabel* Label_M;
        QLabel* Label_N;
    };
    std::array<Zeilenfelder, 3> Zeilen{};
    // Shows the fields that the kind chosen in row i needs, then takes n anew.
    void Verteilungsart_umschalten(int Zeile);

    // The edit fields' key filters and exit handlers (ui/Eingabe.cpp).
    void Tastenfilter_einrichten();
    void Ausgaenge_verbinden();
    // Runs the exit handler of the field that lost the focus to another control of this window.
    void Fokus_gewechselt(QWidget* alt, QWidget* neu);
    void Anordnen();
    // p0 = x/n in force (recomputed if it was not), the interval into its label.
    void Konfidenzintervall_zeigen();
    bool Vor_dem_Zeichnen = false;
    void Intervalltexte_zeigen(const Intervalltexte& t);
    void Konfidenztext_zeigen(const QString& Text);

    std::vector<std::pair<QLineEdit*, std::function<void()>>> Ausgaenge;

    bool Ausgang_laeuft = false;
    // The exclusive box being switched on while its handler clears the others (see
    // CheckBox_p0_kumuliertClick).
    QCheckBox* Einschaltender = nullptr;
    bool Aussengroesse_gesetzt = false;
    // The client height the window opened with; the image grows with what the window adds.
    int Oeffnungshoehe = 0;
    bool erstmals_gezeigt = false;
    // While the reset clears the check boxes, their handlers neither recompute nor redraw.
    bool Zuruecksetzung_laeuft = false;
    void Aussengroesse_anpassen();
    bool erstellt = false;
    // What the image shows: the distribution chart or the OC chart of the current state, or
    // anything else (a family chart, a picture a recomputation has since left behind).
    enum class Bildart { Verteilung, OC, Anderes };
    Bildart Gezeigt = Bildart::Anderes;
    // The geometry of the chart last drawn into Image1: the clipboard copy's width and the
    // family charts' axes.
    Diagrammgeometrie Geometrie;
    void Bildgroesse_angepasst();

    // What the save dialog suggests for the picture now shown, with the extension of Format:
    // "binomial-n20-p0,8.png", "oc-n20-p0,8.pdf"; "grafik.png" for any other picture.
    QString Dateiname_vorschlagen(const QString& Format) const;
    // Folder and format of the last file chosen in this run; empty before the first.
    QString Letzter_Ordner, Letztes_Format;
    QPointer<QDialog> Hilfe;

    // The open lesson file (absolute), empty for none; the file's text as last opened or saved
    // (as this window writes it), which the changed-mark compares with.
    QString Datei;
    QByteArray Gespeichert;
    QString Grundtitel;
    QString Letzter_Aufgabenordner;
    bool Dokument_pruefen_aus = false;
    // The bound of that side was typed after its level (a lesson file keeps this).
    bool V_links_getippt = false, V_rechts_getippt = false;
    void Dateimenue_anlegen();
    void Titel_setzen();
    // Marks the caption when the settings differ from the file's.
    void Dokument_pruefen();
    bool Aufgabe_schreiben_nach(const QString& Name);
    static void Zuletzt_eintragen(const QString& Name);
    void Zuletzt_zeigen(QMenu* Menue);
};
