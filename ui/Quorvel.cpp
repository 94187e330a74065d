// The main window: its controls, the wiring of their events, creation and the handlers that
// only switch, recompute and redraw. The exit handlers of the edit fields are in Eingabe.cpp.

#include "ui/Quorvel.h"

#include "analysis/Berechnung.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/Schriften.h"
#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Fenster_Bilder.h"
#include "ui/Wertetabelle.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

#include <memory>

#include <initializer_list>
#include <utility>

namespace {

constexpr int Fensterbreite = 1031;
constexpr int Fensterhoehe = 750;
constexpr int Bandhoehe = 340;
constexpr int Bildhoehe = 373;

const QColor Hellblau(0xCE, 0xEF, 0xFF);
const QColor Hellgruen(0xA4, 0xFF, 0xBB);
const QColor Rosa(0xFA, 0xD0, 0xFD);
const QColor Gelb(0xFF, 0xFF, 0x00);
const QColor Lila(0x80, 0x00, 0x80);
const QColor Petrol(0, 128, 128);
const QColor Marine(0, 0, 128);

QFont Qt_Schrift(const QString& Name, int Pixel, bool fett, bool kursiv = false) {
    QFont f(Name);
    f.setPixelSize(Pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

// A panel with its own background colour instead of the parent's.
void Hintergrund(QWidget* w, const QColor& Farbe) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Farbe);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void Textfarbe(QWidget* w, const QColor& Farbe) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, Farbe);
    pal.setColor(QPalette::Text, Farbe);
    pal.setColor(QPalette::ButtonText, Farbe);
    w->setPalette(pal);
}

QGroupBox* Gruppe(QWidget* Eltern, const char* Name, const QString& Titel, QRect Platz,
                  const QColor& Farbe) {
    auto* g = new QGroupBox(Titel, Eltern);
    g->setObjectName(QString::fromLatin1(Name));
    g->setGeometry(Platz);
    g->setFont(Qt_Schrift(QStringLiteral("Arial"), 12, true));
    Hintergrund(g, Farbe);
    Textfarbe(g, Qt::black);
    return g;
}

QLabel* Beschriftung(QWidget* Eltern, const char* Name, const QString& Text, QRect Platz) {
    auto* l = new QLabel(Text, Eltern);
    l->setObjectName(QString::fromLatin1(Name));
    l->setGeometry(Platz);
    return l;
}

// A Greek letter standing right before the control it names.
QLabel* Griechisch(QWidget* Eltern, const char* Name, const QString& Zeichen, QRect Platz,
                   int Pixel = 13) {
    QLabel* l = Beschriftung(Eltern, Name, Zeichen, Platz);
    l->setFont(Qt_Schrift(QStringLiteral("Liberation Sans"), Pixel, true));
    return l;
}

QLineEdit* Feld(QWidget* Eltern, const char* Name, QRect Platz) {
    auto* e = new QLineEdit(Eltern);
    e->setObjectName(QString::fromLatin1(Name));
    e->setGeometry(Platz);
    // The font is the group box's (Arial 12 px bold), inherited.
    return e;
}

QComboBox* Auswahl(QWidget* Eltern, const char* Name, const QStringList& Eintraege, QRect Platz) {
    auto* c = new QComboBox(Eltern);
    c->setObjectName(QString::fromLatin1(Name));
    c->addItems(Eintraege);
    c->setCurrentIndex(0);
    c->setGeometry(Platz);
    return c;
}

QCheckBox* Kasten(QWidget* Eltern, const char* Name, const QString& Text, QRect Platz) {
    auto* k = new Kontrollkasten(Text, Eltern);
    k->setObjectName(QString::fromLatin1(Name));
    k->setGeometry(Platz);
    return k;
}

QPushButton* Knopf(QWidget* Eltern, const char* Name, const QString& Text, QRect Platz,
                   const QFont& f) {
    auto* b = new QPushButton(Text, Eltern);
    b->setObjectName(QString::fromLatin1(Name));
    b->setGeometry(Platz);
    b->setFont(f);
    Textfarbe(b, Petrol);
    return b;
}

QToolButton* Werkzeugknopf(QWidget* Eltern, const char* Name, const QPixmap& Bild,
                           const QString& Hinweis, QRect Platz) {
    auto* t = new QToolButton(Eltern);
    t->setObjectName(QString::fromLatin1(Name));
    t->setIcon(QIcon(Bild));
    t->setIconSize(Bild.size());
    t->setAutoRaise(true);
    // Clicking it must not end an entry in progress, so it never takes the focus.
    t->setFocusPolicy(Qt::NoFocus);
    t->setToolTip(Hinweis);
    t->setGeometry(Platz);
    return t;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// --- Kontrollkasten -------------------------------------------------------------------------

namespace {
constexpr int Kastenabstand = 4;
}

Kontrollkasten::Kontrollkasten(const QString& Text, QWidget* parent) : QCheckBox(Text, parent) {}

void Kontrollkasten::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int bw = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int bh = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
    const QRect Kasten(width() - bw, (height() - bh) / 2, bw, bh);
    QStyleOptionButton k = opt;
    k.rect = Kasten;
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, k);
    if (!text().isEmpty()) {
        const QRect Textfeld(0, 0, std::max(0, width() - bw - Kastenabstand), height());
        p.drawItemText(Textfeld, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                       isEnabled(), text(), QPalette::WindowText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = text().isEmpty() ? Kasten.adjusted(-1, -1, 1, 1) : rect();
        p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
}

// The whole control, caption included, toggles the box.
bool Kontrollkasten::hitButton(const QPoint& pos) const { return rect().contains(pos); }

// --- Construction ---------------------------------------------------------------------------

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Fensterschriften_ersetzen();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Programmtitel);
    setFont(Qt_Schrift(QStringLiteral("ms sans serif"), 11, false));
    Hintergrund(this, palette().color(QPalette::Button));

    Steuerelemente_anlegen();
    Fokusreihenfolge_setzen();
    resize(Fensterbreite, Fensterhoehe);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    Anordnen();
    Ereignisse_verbinden();
    Tastenfilter_einrichten();
    FormCreate();
    erstellt = true;
}

TForm1::~TForm1() {
    // The children die after this body; their focus changes must not reach a half-gone window.
    disconnect(qApp, nullptr, this, nullptr);
}

void TForm1::Steuerelemente_anlegen() {
    const QString Arial = QStringLiteral("Arial");

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Hintergrund(Panel1, Lila);

    GroupBox_Eingaben = new QGroupBox(QStringLiteral("   Ein- und Ausgaben   "), Panel1);
    GroupBox_Eingaben->setObjectName(QStringLiteral("GroupBox_Eingaben"));
    GroupBox_Eingaben->setGeometry(0, 0, 571, Bandhoehe);
    GroupBox_Eingaben->setFont(Qt_Schrift(Arial, 15, true, true));
    Hintergrund(GroupBox_Eingaben, Hellblau);
    Textfarbe(GroupBox_Eingaben, Petrol);

    GroupBox_Aktionen = new QGroupBox(QStringLiteral("  Aktionen  "), Panel1);
    GroupBox_Aktionen->setObjectName(QStringLiteral("GroupBox_Aktionen"));
    GroupBox_Aktionen->setGeometry(570, 0, 96, Bandhoehe);
    GroupBox_Aktionen->setFont(Qt_Schrift(Arial, 15, true, true));
    Hintergrund(GroupBox_Aktionen, Hellgruen);
    Textfarbe(GroupBox_Aktionen, Petrol);

    StringGrid1 = new TStringGrid(Panel1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(666, 0, 350, Bandhoehe);
    StringGrid1->setCursor(Qt::PointingHandCursor);
    // Tab leaves the grid instead of walking its cells.
    StringGrid1->setTabKeyNavigation(false);

    Image1 = new Bildfeld(this);

    QWidget* E = GroupBox_Eingaben;

    // n
    GroupBox_n_eingeben = Gruppe(E, "GroupBox_n_eingeben", QStringLiteral("  Stichprobenumfang n  "),
                                 {5, 17, 156, 46}, Hellblau);
    Beschriftung(GroupBox_n_eingeben, "Label_n", QStringLiteral("n="), {8, 20, 20, 20});
    Edit_n = Feld(GroupBox_n_eingeben, "Edit_n", {30, 18, 50, 21});
    Beschriftung(GroupBox_n_eingeben, "Label_n_Grenze", QStringLiteral("( n<=4000 )"), {84, 20, 70, 20});

    // x
    GroupBox_Stichprobenergebnis = Gruppe(E, "GroupBox_Stichprobenergebnis",
                                          QStringLiteral("  Stichprobenergebnis x  "),
                                          {175, 17, 161, 46}, Hellblau);
    Beschriftung(GroupBox_Stichprobenergebnis, "Label_x", QStringLiteral("x="), {8, 20, 20, 20});
    Edit_Stichprobenergebnis = Feld(GroupBox_Stichprobenergebnis, "Edit_Stichprobenergebnis", {30, 18, 45, 21});
    Beschriftung(GroupBox_Stichprobenergebnis, "Label_x_Grenze", QStringLiteral("(0<=x<=n )"), {80, 20, 78, 20});

    // k axis
    GroupBox_k_Achse_einstellen = Gruppe(E, "GroupBox_k_Achse_einstellen",
                                         QStringLiteral("  k-Achse einstellen  "), {355, 17, 211, 46},
                                         Hellblau);
    Label_k1 = Beschriftung(GroupBox_k_Achse_einstellen, "Label_k1", QStringLiteral("von k1="), {6, 20, 50, 20});
    Edit_k1 = Feld(GroupBox_k_Achse_einstellen, "Edit_k1", {56, 18, 42, 21});
    Label_k2 = Beschriftung(GroupBox_k_Achse_einstellen, "Label_k2", QStringLiteral("bis k2="), {106, 20, 50, 20});
    Edit_k2 = Feld(GroupBox_k_Achse_einstellen, "Edit_k2", {156, 18, 46, 21});

    // Distributions: one row each for p0, p1, p2.
    GroupBox_Verteilungen = Gruppe(
        E, "GroupBox_Verteilungen",
        QStringLiteral("  Verteilungen festlegen                 ( für Hypothesentests gelte   H0: p=p0 )  "),
        {5, 67, 446, 96}, Hellblau);
    QWidget* V = GroupBox_Verteilungen;
    const QStringList Arten = {QStringLiteral("Binomial"), QStringLiteral("Hypergeo"),
                               QStringLiteral("Poisson"), QStringLiteral("Geometr")};
    const int Zeile[3] = {18, 44, 70};
    ComboBox_Verteilung_p0 = Auswahl(V, "ComboBox_Verteilung_p0", Arten, {6, Zeile[0], 90, 22});
    Label_p0 = Beschriftung(V, "Label_p0", QStringLiteral("p0="), {102, Zeile[0] + 2, 28, 20});
    Edit_p0 = Feld(V, "Edit_p0", {132, Zeile[0], 60, 21});
    Label_M0 = Beschriftung(V, "Label_M0", QStringLiteral("M0="), {226, Zeile[0] + 2, 30, 20});
    Edit_M0 = Feld(V, "Edit_M0", {258, Zeile[0], 58, 21});
    Label_N0 = Beschriftung(V, "Label_N0", QStringLiteral("N0="), {326, Zeile[0] + 2, 30, 20});
    Edit_N0 = Feld(V, "Edit_N0", {358, Zeile[0], 58, 21});

    ComboBox_Verteilung_p1 = Auswahl(V, "ComboBox_Verteilung_p1", Arten, {6, Zeile[1], 90, 22});
    Label_p1 = Beschriftung(V, "Label_p1", QStringLiteral("p1="), {102, Zeile[1] + 2, 28, 20});
    Edit_p1 = Feld(V, "Edit_p1", {132, Zeile[1], 60, 21});
    CheckBox_p1_zeichnen = Kasten(V, "CheckBox_p1_zeichnen", QString(), {198, Zeile[1] + 2, 20, 18});
    Label_M1 = Beschriftung(V, "Label_M1", QStringLiteral("M1="), {226, Zeile[1] + 2, 30, 20});
    Edit_M1 = Feld(V, "Edit_M1", {258, Zeile[1], 58, 21});
    Label_N1 = Beschriftung(V, "Label_N1", QStringLiteral("N1="), {326, Zeile[1] + 2, 30, 20});
    Edit_N1 = Feld(V, "Edit_N1", {358, Zeile[1], 58, 21});

    ComboBox_Verteilung_p2 = Auswahl(V, "ComboBox_Verteilung_p2", Arten, {6, Zeile[2], 90, 22});
    Label_p2 = Beschriftung(V, "Label_p2", QStringLiteral("p2= "), {102, Zeile[2] + 2, 28, 20});
    Edit_p2 = Feld(V, "Edit_p2", {132, Zeile[2], 60, 21});
    CheckBox_p2_zeichnen = Kasten(V, "CheckBox_p2_zeichnen", QString(), {198, Zeile[2] + 2, 20, 18});
    Label_M2 = Beschriftung(V, "Label_M2", QStringLiteral("M2="), {226, Zeile[2] + 2, 30, 20});
    Edit_M2 = Feld(V, "Edit_M2", {258, Zeile[2], 58, 21});
    Label_N2 = Beschriftung(V, "Label_N2", QStringLiteral("N2="), {326, Zeile[2] + 2, 30, 20});
    Edit_N2 = Feld(V, "Edit_N2", {358, Zeile[2], 58, 21});

    for (QCheckBox* k : {CheckBox_p1_zeichnen, CheckBox_p2_zeichnen})
        k->setToolTip(QStringLiteral("Verteilung einzeichnen"));
    for (QWidget* w : std::initializer_list<QWidget*>{Edit_M0, Edit_N0, Label_M0, Label_N0, Edit_M1, Edit_N1,
                                                      Label_M1, Label_N1, Edit_M2, Edit_N2, Label_M2, Label_N2})
        w->hide();

    // Interval probabilities
    GroupBox_Intervallwahrscheinlichkeiten = Gruppe(E, "GroupBox_Intervallwahrscheinlichkeiten",
                                                    QStringLiteral(" P0(k1<=x<=k2) "), {455, 67, 111, 46},
                                                    Hellblau);
    Label_Intervallwahrscheinlichkeit = Beschriftung(GroupBox_Intervallwahrscheinlichkeiten,
                                                     "Label_Intervallwahrscheinlichkeit", QString(),
                                                     {8, 18, 100, 22});
    Label_Intervallwahrscheinlichkeit->setFont(Qt_Schrift(Arial, 13, true));
    GroupBox_Intervallwahrscheinlichkeiten2 = Gruppe(E, "GroupBox_Intervallwahrscheinlichkeiten2",
                                                     QStringLiteral(" P0(k1<x<k2) "), {455, 117, 111, 46},
                                                     Hellblau);
    Label_Intervallwahrscheinlichkeit2 = Beschriftung(GroupBox_Intervallwahrscheinlichkeiten2,
                                                      "Label_Intervallwahrscheinlichkeit2", QString(),
                                                      {8, 18, 100, 22});
    Label_Intervallwahrscheinlichkeit2->setFont(Qt_Schrift(Arial, 13, true));

    // Rejection region
    GroupBox_Verwerfungsbereich = Gruppe(
        E, "GroupBox_Verwerfungsbereich",
        QStringLiteral("Hypothesentest - Verwerfungsbereich V für H0 festlegen  "), {5, 167, 381, 80}, Rosa);
    QWidget* R = GroupBox_Verwerfungsbereich;
    const QFont Klein = Qt_Schrift(Arial, 11, false);
    const QFont Prozent = Qt_Schrift(QStringLiteral("ms sans serif"), 13, true);
    Griechisch(R, "Label_Alfa_links", QStringLiteral("α"), {6, 18, 12, 22}, 16);
    Beschriftung(R, "Label_Alfa_links_Index", QStringLiteral("links"), {18, 28, 28, 14})->setFont(Klein);
    Beschriftung(R, "Label_Alfa_links_kleiner", QStringLiteral("<="), {48, 20, 18, 20});
    Edit_Alfali = Feld(R, "Edit_Alfali", {68, 18, 60, 21});
    Beschriftung(R, "Label_Alfa_links_Prozent", QStringLiteral("%"), {131, 20, 16, 20})->setFont(Prozent);
    Griechisch(R, "Label_Alfa_rechts", QStringLiteral("α"), {170, 18, 12, 22}, 16);
    Beschriftung(R, "Label_Alfa_rechts_Index", QStringLiteral("rechts"), {182, 28, 32, 14})->setFont(Klein);
    Beschriftung(R, "Label_Alfa_rechts_kleiner", QStringLiteral("<="), {216, 20, 18, 20});
    Edit_Alfare = Feld(R, "Edit_Alfare", {236, 18, 60, 21});
    Beschriftung(R, "Label_Alfa_rechts_Prozent", QStringLiteral("%"), {299, 20, 16, 20})->setFont(Prozent);

    Beschriftung(R, "Label_V_links", QStringLiteral("V"), {6, 50, 12, 20});
    Beschriftung(R, "Label_V_links_Index", QStringLiteral("links"), {18, 58, 28, 14})->setFont(Klein);
    Beschriftung(R, "Label_V_links_Anfang", QStringLiteral(" = [ 0; ... ;"), {46, 50, 80, 20});
    Edit_kli = Feld(R, "Edit_kli", {126, 48, 44, 21});
    Beschriftung(R, "Label_V_links_Ende", QStringLiteral(" ] "), {171, 50, 16, 20});
    Beschriftung(R, "Label_V_rechts", QStringLiteral("V"), {196, 50, 12, 20});
    Beschriftung(R, "Label_V_rechts_Index", QStringLiteral("rechts"), {208, 58, 32, 14})->setFont(Klein);
    Beschriftung(R, "Label_V_rechts_Anfang", QStringLiteral(" = ["), {240, 50, 26, 20});
    Edit_kre = Feld(R, "Edit_kre", {266, 48, 44, 21});
    Label_V_n = Beschriftung(R, "Label_V_n", QString(), {311, 50, 68, 20});

    // Chart kind and display switches
    GroupBox_grafische_Darstellung = Gruppe(E, "GroupBox_grafische_Darstellung",
                                            QStringLiteral("  Grafische Darstellung  "), {395, 167, 171, 80},
                                            Hellblau);
    QWidget* G = GroupBox_grafische_Darstellung;
    ComboBox_Histo_Saeule = Auswahl(G, "ComboBox_Histo_Saeule",
                                    {QStringLiteral("Histogramm"), QStringLiteral("Säulendiagramm")},
                                    {6, 15, 158, 20});
    CheckBox_waagerechte_Strichelung = Kasten(G, "CheckBox_waagerechte_Strichelung",
                                              QStringLiteral("waagerechte Hilfslinien"), {6, 36, 158, 14});
    CheckBox_p0_kumuliert = Kasten(G, "CheckBox_p0_kumuliert", QStringLiteral("p0 kumuliert zeichnen"),
                                   {6, 50, 158, 14});
    CheckBox_Info = Kasten(G, "CheckBox_Info", QStringLiteral("Info"), {6, 64, 158, 14});

    // Confidence interval
    GroupBox_Konfidenzintervall = Gruppe(E, "GroupBox_Konfidenzintervall",
                                         QStringLiteral("  Konfidenzintervall berechnen"), {5, 247, 556, 34},
                                         Hellblau);
    CheckBox_Vertrauensintervall_berechnen = new QCheckBox(QStringLiteral("Konfidenzintervall zu x / n:    "),
                                                           GroupBox_Konfidenzintervall);
    CheckBox_Vertrauensintervall_berechnen->setObjectName(QStringLiteral("CheckBox_Vertrauensintervall_berechnen"));
    CheckBox_Vertrauensintervall_berechnen->setGeometry(10, 14, 230, 18);
    Label_Vertrauensintervall_ausgeben = Beschriftung(GroupBox_Konfidenzintervall,
                                                      "Label_Vertrauensintervall_ausgeben", QString(),
                                                      {246, 12, 170, 19});
    Label_Vertrauensintervall_ausgeben->setFont(Qt_Schrift(Arial, 13, true));
    Hintergrund(Label_Vertrauensintervall_ausgeben, Helle_3D_Farbe());
    Textfarbe(Label_Vertrauensintervall_ausgeben, Marine);

    // Visualisations
    GroupBox_Visualisierungen = Gruppe(E, "GroupBox_Visualisierungen", QStringLiteral("  Visualisierungen  "),
                                       {5, 282, 561, 58}, Gelb);
    QWidget* S = GroupBox_Visualisierungen;
    Griechisch(S, "Label_mue", QStringLiteral("μ"), {6, 16, 14, 20});
    CheckBox_Erwartungswert_zeigen = Kasten(S, "CheckBox_Erwartungswert_zeigen", QString(), {20, 17, 20, 18});
    Hintergrund(CheckBox_Erwartungswert_zeigen, palette().color(QPalette::ToolTipBase));
    Edit_Sigmafaktor = Feld(S, "Edit_Sigmafaktor", {50, 16, 46, 21});
    Griechisch(S, "Label_mal_sigma", QStringLiteral("⋅σ"), {98, 16, 22, 20});
    CheckBox_Sigma_zeigen = Kasten(S, "CheckBox_Sigma_zeigen", QString(), {120, 17, 20, 18});
    Edit_Umgebung = Feld(S, "Edit_Umgebung", {150, 16, 40, 21});
    Beschriftung(S, "Label_Umgebung", QStringLiteral("% - Umgebung von "), {192, 18, 128, 18});
    Griechisch(S, "Label_mue2", QStringLiteral("μ"), {320, 16, 14, 20});
    CheckBox_Umgebung_schraffieren = Kasten(S, "CheckBox_Umgebung_schraffieren", QString(), {334, 17, 20, 18});
    CheckBox_Normalverteilung = Kasten(S, "CheckBox_Normalverteilung", QStringLiteral("Normalverteilung"),
                                       {372, 17, 134, 18});

    Griechisch(S, "Label_alfa", QStringLiteral("α"), {6, 36, 12, 20});
    CheckBox_Alfa_zeigen = Kasten(S, "CheckBox_Alfa_zeigen", QStringLiteral("- Fehler bzw  V"), {18, 37, 128, 18});
    CheckBox_Annahmebereich_zeigen = Kasten(S, "CheckBox_Annahmebereich_zeigen",
                                            QStringLiteral("Annahmebereich A"), {158, 37, 140, 18});
    Griechisch(S, "Label_beta", QStringLiteral("β"), {308, 36, 12, 20});
    CheckBox_Beta_zeigen = Kasten(S, "CheckBox_Beta_zeigen", QStringLiteral("- Fehler"), {320, 37, 70, 18});
    CheckBox_Stichprobenergebnis_zeigen = Kasten(S, "CheckBox_Stichprobenergebnis_zeigen",
                                                 QStringLiteral("Stichprobenergebnis x"), {398, 37, 158, 18});

    // Actions
    QWidget* A = GroupBox_Aktionen;
    BitBtn_Histoneu = Knopf(A, "BitBtn_Histoneu", QStringLiteral("Histo"), {8, 22, 80, 28}, Qt_Schrift(Arial, 13, true));
    BitBtn_Histoneu->setIcon(QIcon(Bild_Histo()));
    Label_Pfeil = Beschriftung(A, "Label_Pfeil", QString(), {8, 52, 80, 34});
    Label_Pfeil->setAlignment(Qt::AlignCenter);
    BitBtn_OC = Knopf(A, "BitBtn_OC", QStringLiteral("OC"), {8, 88, 80, 28}, Qt_Schrift(Arial, 13, true));
    BitBtn_OC->setIcon(QIcon(Bild_OC()));
    BitBtn_nAnimation = Knopf(A, "BitBtn_nAnimation", QStringLiteral("n-Ani"), {8, 128, 80, 25},
                              Qt_Schrift(Arial, 11, false));
    BitBtn_p0Animation = Knopf(A, "BitBtn_p0Animation", QStringLiteral("p0-Ani"), {8, 158, 80, 25},
                               Qt_Schrift(Arial, 11, false));
    Button_n_variabel = Knopf(A, "Button_n_variabel", QStringLiteral("mehrere n"), {8, 196, 80, 25},
                              Qt_Schrift(Arial, 11, true));
    Button_p0_variabel = Knopf(A, "Button_p0_variabel", QStringLiteral("mehrere p0"), {8, 226, 80, 25},
                               Qt_Schrift(Arial, 11, true));
    SpeedButton_Standardwerte = Werkzeugknopf(A, "SpeedButton_Standardwerte", Bild_Standardwerte(),
                                              QStringLiteral("auf Anfangswerte zurückstellen"), {6, 300, 34, 34});
    SpeedButton_Clipboard = Werkzeugknopf(A, "SpeedButton_Clipboard", Bild_Clipboard(),
                                          QStringLiteral("Grafik ins Clipboard"), {60, 303, 30, 30});

    CheckBox_Info->setChecked(true);
}

// Tab (and Enter in a field) walks the controls in this order; Qt skips hidden and disabled ones.
void TForm1::Fokusreihenfolge_setzen() {
    QWidget* const Reihe[] = {
        CheckBox_Erwartungswert_zeigen, CheckBox_Sigma_zeigen, Edit_Sigmafaktor, CheckBox_Umgebung_schraffieren,
        Edit_Umgebung, CheckBox_Normalverteilung, CheckBox_Alfa_zeigen, CheckBox_Annahmebereich_zeigen,
        CheckBox_Beta_zeigen, CheckBox_Stichprobenergebnis_zeigen,
        Edit_Alfali, Edit_Alfare, Edit_kli, Edit_kre,
        ComboBox_Histo_Saeule, CheckBox_waagerechte_Strichelung, CheckBox_p0_kumuliert, CheckBox_Info,
        Edit_k1, Edit_k2,
        Edit_n,
        Edit_Stichprobenergebnis,
        ComboBox_Verteilung_p0, ComboBox_Verteilung_p1, ComboBox_Verteilung_p2, Edit_p0, Edit_p1, Edit_p2,
        CheckBox_p1_zeichnen, CheckBox_p2_zeichnen, Edit_M0, Edit_M1, Edit_M2, Edit_N0, Edit_N1, Edit_N2,
        CheckBox_Vertrauensintervall_berechnen,
        BitBtn_Histoneu, BitBtn_OC, BitBtn_p0Animation, BitBtn_nAnimation, Button_p0_variabel, Button_n_variabel,
        StringGrid1,
    };
    for (QWidget* w : Reihe) w->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t i = 0; i + 1 < std::size(Reihe); ++i) setTabOrder(Reihe[i], Reihe[i + 1]);
}

void TForm1::Anordnen() {
    const int b = width();
    Panel1->setGeometry(0, 0, b, Bandhoehe);
    Image1->setGeometry(0, Bandhoehe, b, Bildhoehe);
    // While the window is hidden Qt holds the resize event back; the chart needs the size now.
    if (Image1->Bild_anpassen()) Bildgroesse_angepasst();
}

void TForm1::Bildgroesse_angepasst() {
    // Only the distribution chart of the current state is redrawn at the new size; any other
    // picture keeps its pixels. The drawing works on a copy of the state: narrowing the k
    // range, the levels reached and the test flags belong to the picture, not to the state, and
    // no field changes. A resize repeats no message and runs no handler. Only the geometry of
    // the picture now shown is kept, for the clipboard copy.
    if (!erstellt || !Bild_zeigt_Verteilung) return;
    auto Kopie = std::make_unique<Zustand>(z);
    ::Histo_neu_zeichnen(Image1->Bild(), *Kopie, Schalter_lesen(), Diagramm_Rueckrufe{});
    z.x_Ursprung = Kopie->x_Ursprung;
    z.y_Ursprung = Kopie->y_Ursprung;
    z.x_Ende = Kopie->x_Ende;
    z.y_Oben = Kopie->y_Oben;
    z.Hoehe_Skala = Kopie->Hoehe_Skala;
    z.k_Spanne = Kopie->k_Spanne;
    z.Saeulenbreite = Kopie->Saeulenbreite;
    Image1->update();
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Anordnen();
    Aussengroesse_anpassen();
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!erstmals_gezeigt) {
        erstmals_gezeigt = true;
        // The window opens with the focus on the first control of the focus order.
        CheckBox_Erwartungswert_zeigen->setFocus(Qt::OtherFocusReason);
    }
    Aussengroesse_anpassen();
}

// 1031 x 750 is the outer size, frame included. A window manager tells the frame only after
// the window is mapped (with a move or resize of the window), so this runs on each of those
// until a frame is known, once.
void TForm1::Aussengroesse_anpassen() {
    if (Aussengroesse_gesetzt || !isVisible()) return;
    const QSize Rahmen = frameGeometry().size() - geometry().size();
    if (Rahmen.isEmpty()) return;
    Aussengroesse_gesetzt = true;
    resize(QSize(Fensterbreite, Fensterhoehe) - Rahmen);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(Fensterbreite / 2, Fensterhoehe / 2));
}

void TForm1::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    Aussengroesse_anpassen();
}

void TForm1::Ereignisse_verbinden() {
    Image1->Groesse_geaendert = [this] { Bildgroesse_angepasst(); };

    connect(BitBtn_Histoneu, &QPushButton::clicked, this, &TForm1::BitBtn_HistoneuClick);
    connect(CheckBox_Beta_zeigen, &QCheckBox::toggled, this, &TForm1::BitBtn_HistoneuClick);
    connect(BitBtn_OC, &QPushButton::clicked, this, &TForm1::BitBtn_OCClick);
    connect(SpeedButton_Standardwerte, &QToolButton::clicked, this, &TForm1::SpeedButton_StandardwerteClick);
    connect(SpeedButton_Clipboard, &QToolButton::clicked, this, &TForm1::SpeedButton_ClipboardClick);
    connect(CheckBox_p1_zeichnen, &QCheckBox::toggled, this, &TForm1::CheckBox_p1_zeichnenClick);
    connect(CheckBox_p2_zeichnen, &QCheckBox::toggled, this, &TForm1::CheckBox_p2_zeichnenClick);
    connect(CheckBox_p0_kumuliert, &QCheckBox::toggled, this, &TForm1::CheckBox_p0_kumuliertClick);
    connect(ComboBox_Histo_Saeule, &QComboBox::activated, this, &TForm1::ComboBox_Histo_SaeuleChange);
    connect(CheckBox_Alfa_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Alfa_zeigenClick);
    connect(CheckBox_Annahmebereich_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Annahmebereich_zeigenClick);
    connect(CheckBox_waagerechte_Strichelung, &QCheckBox::toggled, this,
            &TForm1::CheckBox_Annahmebereich_zeigenClick);
    connect(CheckBox_Umgebung_schraffieren, &QCheckBox::toggled, this, &TForm1::CheckBox_Umgebung_schraffierenClick);
    connect(CheckBox_Info, &QCheckBox::toggled, this, &TForm1::CheckBox_InfoClick);
    connect(CheckBox_Normalverteilung, &QCheckBox::toggled, this, &TForm1::CheckBox_NormalverteilungClick);
    connect(CheckBox_Erwartungswert_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Erwartungswert_zeigenClick);
    connect(CheckBox_Sigma_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Sigma_zeigenClick);
    connect(CheckBox_Stichprobenergebnis_zeigen, &QCheckBox::toggled, this,
            &TForm1::CheckBox_Stichprobenergebnis_zeigenClick);
    connect(CheckBox_Vertrauensintervall_berechnen, &QCheckBox::toggled, this,
            &TForm1::CheckBox_Vertrauensintervall_berechnenClick);
    connect(ComboBox_Verteilung_p0, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p0Change);
    connect(ComboBox_Verteilung_p1, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p1Change);
    connect(ComboBox_Verteilung_p2, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p2Change);
    connect(Edit_n, &QLineEdit::textChanged, this, &TForm1::Edit_nChange);
    connect(BitBtn_p0Animation, &QPushButton::clicked, this, &TForm1::BitBtn_p0AnimationClick);
    connect(BitBtn_nAnimation, &QPushButton::clicked, this, &TForm1::BitBtn_nAnimationClick);
    connect(Button_p0_variabel, &QPushButton::clicked, this, &TForm1::Button_p0_variabelClick);
    connect(Button_n_variabel, &QPushButton::clicked, this, &TForm1::Button_n_variabelClick);
    connect(qApp, &QApplication::focusChanged, this, &TForm1::Fokus_gewechselt);

    Ausgaenge = {
        {Edit_n, &TForm1::Edit_nExit},
        {Edit_Stichprobenergebnis, &TForm1::Edit_StichprobenergebnisExit},
        {Edit_k1, &TForm1::Edit_k1Exit},
        {Edit_k2, &TForm1::Edit_k2Exit},
        {Edit_p0, &TForm1::Edit_p0Exit},
        {Edit_p1, &TForm1::Edit_p1Exit},
        {Edit_p2, &TForm1::Edit_p2Exit},
        {Edit_M0, &TForm1::Edit_M0Exit},
        {Edit_M1, &TForm1::Edit_M1Exit},
        {Edit_M2, &TForm1::Edit_M2Exit},
        {Edit_N0, &TForm1::Edit_N0Exit},
        {Edit_N1, &TForm1::Edit_N1Exit},
        {Edit_N2, &TForm1::Edit_N2Exit},
        {Edit_Alfali, &TForm1::Edit_AlfaliExit},
        {Edit_Alfare, &TForm1::Edit_AlfareExit},
        {Edit_kli, &TForm1::Edit_kliExit},
        {Edit_kre, &TForm1::Edit_kreExit},
        {Edit_Sigmafaktor, &TForm1::Edit_SigmafaktorExit},
        {Edit_Umgebung, &TForm1::Edit_UmgebungExit},
    };
    // A text the program writes into a field shows from its first character; the user's own
    // typing (the field has the focus) scrolls as usual.
    for (const auto& Ausgang : Ausgaenge) {
        QLineEdit* e = Ausgang.first;
        connect(e, &QLineEdit::textChanged, e, [e] {
            if (!e->hasFocus()) e->setCursorPosition(0);
        });
    }
}

// An exit handler runs only when the focus goes from its field to another control of this
// window: not when the window loses activation (neu is null), nor when a popup or message box
// takes the focus (another window), nor when the field itself was hidden or disabled. While
// an exit handler runs (it may put the focus back or open a message box), the focus moves it
// causes end no other entry.
void TForm1::Fokus_gewechselt(QWidget* alt, QWidget* neu) {
    if (Ausgang_laeuft || !alt || !neu || alt == neu || neu->window() != this) return;
    if (!alt->isVisible() || !alt->isEnabled()) return;
    for (const auto& [Feld, Handler] : Ausgaenge) {
        if (Feld != alt) continue;
        Ausgang_laeuft = true;
        (this->*Handler)();
        Ausgang_laeuft = false;
        return;
    }
}

// --- Reading the switches, recomputing, redrawing ------------------------------------------

Schalter TForm1::Schalter_lesen() const {
    Schalter s;
    s.Verteilung_p0 = ComboBox_Verteilung_p0->currentIndex();
    s.Verteilung_p1 = ComboBox_Verteilung_p1->currentIndex();
    s.Verteilung_p2 = ComboBox_Verteilung_p2->currentIndex();
    s.p1_zeichnen = CheckBox_p1_zeichnen->isChecked();
    s.p2_zeichnen = CheckBox_p2_zeichnen->isChecked();
    s.Vertrauensintervall_berechnen = CheckBox_Vertrauensintervall_berechnen->isChecked();
    s.Info = CheckBox_Info->isChecked();
    s.Erwartungswert_zeigen = CheckBox_Erwartungswert_zeigen->isChecked();
    s.Sigma_zeigen = CheckBox_Sigma_zeigen->isChecked();
    s.Umgebung_schraffieren = CheckBox_Umgebung_schraffieren->isChecked();
    s.Normalverteilung = CheckBox_Normalverteilung->isChecked();
    s.Alfa_zeigen = CheckBox_Alfa_zeigen->isChecked();
    s.Annahmebereich_zeigen = CheckBox_Annahmebereich_zeigen->isChecked();
    s.Beta_zeigen = CheckBox_Beta_zeigen->isChecked();
    s.waagerechte_Strichelung = CheckBox_waagerechte_Strichelung->isChecked();
    s.p0_kumuliert = CheckBox_p0_kumuliert->isChecked();
    s.Stichprobenergebnis_zeigen = CheckBox_Stichprobenergebnis_zeigen->isChecked();
    return s;
}

void TForm1::Alles_berechnen() {
    if (Zuruecksetzung_laeuft) return;
    // Until the next redraw the picture belongs to the state before this recomputation.
    Bild_zeigt_Verteilung = false;
    const Berechnungstexte t = ::Alles_berechnen(z, Schalter_lesen());
    Edit_kli->setText(q(t.Edit_kli));
    Edit_kre->setText(q(t.Edit_kre));
    Label_Intervallwahrscheinlichkeit->setText(q(t.Label_Intervallwahrscheinlichkeit));
    Label_Intervallwahrscheinlichkeit2->setText(q(t.Label_Intervallwahrscheinlichkeit2));
    if (!z.Serie_laeuft)
        StringGrid1->Tabelle_fuellen(z, CheckBox_p1_zeichnen->isChecked(), CheckBox_p2_zeichnen->isChecked());
    // Whatever the kind of distribution 0: only the box's own click asks for a binomial one.
    if (CheckBox_Vertrauensintervall_berechnen->isChecked()) Konfidenzintervall_zeigen();
}

void TForm1::Konfidenzintervall_zeigen() {
    const Konfidenztexte k = Konfidenzintervall_berechnen(z, Schalter_lesen());
    Edit_p0->setText(q(k.Edit_p0));
    Label_Vertrauensintervall_ausgeben->setText(q(k.Label_Vertrauensintervall_ausgeben));
}

void TForm1::Histo_neu_zeichnen() {
    if (Zuruecksetzung_laeuft) return;
    // The right end of V is the n in force: a refused entry still standing in Edit_n is not it.
    Label_V_n->setText(QStringLiteral("; ... ;") + q(Zahl_ganz(z.n)) + QStringLiteral("]"));
    Diagramm_Rueckrufe r;
    r.k_Bereich_verengt = [this](int k1, int k2) {
        Edit_k1->setText(QString::number(k1));
        Edit_k2->setText(QString::number(k2));
    };
    r.Vertrauensintervall_Klick = [this] { CheckBox_Vertrauensintervall_berechnenClick(); };
    ::Histo_neu_zeichnen(Image1->Bild(), z, Schalter_lesen(), r);
    Bild_zeigt_Verteilung = true;
    Image1->update();
}

void TForm1::Standardwerte_setzen() {
    // The variables first (every step's value at once); Serie_laeuft stays in force until the
    // boxes are cleared below, whose handlers may recompute.
    const bool Serie = z.Serie_laeuft;
    Startwerte_setzen(z);
    z.Serie_laeuft = Serie;

    Edit_Stichprobenergebnis->setText(QStringLiteral("1"));
    Edit_n->setText(QStringLiteral("20"));
    Edit_k1->setText(QStringLiteral("0"));
    Edit_k2->setText(QStringLiteral("20"));

    Edit_M0->hide();
    Edit_M0->setText(QStringLiteral("80"));
    Edit_N0->hide();
    Edit_N0->setText(QStringLiteral("100"));
    Edit_p0->setEnabled(true);
    Edit_p0->setText(QStringLiteral("0,8"));
    Edit_M1->hide();
    Edit_M1->setText(QStringLiteral("30"));
    Edit_N1->hide();
    Edit_N1->setText(QStringLiteral("50"));
    Edit_p1->setEnabled(true);
    Edit_p1->setText(QStringLiteral("0,6"));
    Edit_M2->hide();
    Edit_M2->setText(QStringLiteral("21"));
    Edit_N2->hide();
    Edit_N2->setText(QStringLiteral("70"));
    Edit_p2->setEnabled(true);
    Edit_p2->setText(QStringLiteral("0,3"));
    for (QLabel* l : {Label_M0, Label_N0, Label_M1, Label_N1, Label_M2, Label_N2}) l->hide();

    Label_V_n->setText(QStringLiteral("; ... ;") + Edit_n->text() + QStringLiteral("]"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    f.setBold(true);
    Label_V_n->setFont(f);
    Label_Intervallwahrscheinlichkeit->setText(QStringLiteral("P=1,0"));
    Label_Vertrauensintervall_ausgeben->setText(QString::fromLatin1(Leeres_Konfidenzintervall));
    Edit_Alfali->setText(QStringLiteral("5"));
    Edit_Alfare->setText(QStringLiteral("5"));
    Edit_kli->setText(QStringLiteral("12"));
    Edit_kre->setText(QStringLiteral("20"));
    Edit_Sigmafaktor->setText(QStringLiteral("1,96"));
    Edit_Umgebung->setText(QStringLiteral("95"));

    // Selecting from code runs no change handler (those are wired to activated).
    for (QComboBox* c : {ComboBox_Verteilung_p0, ComboBox_Verteilung_p1, ComboBox_Verteilung_p2,
                         ComboBox_Histo_Saeule})
        c->setCurrentIndex(0);
    z.Saeulendiagramm = false;

    // Clearing a checked box runs its handler, as any change of a box does; Info stays. Their
    // recomputations and redraws wait for the one recomputation below and the caller's redraw:
    // on the way, with boxes still on, a redraw would store the levels reached as the levels
    // and a recomputation with the interval box on would take x/n as p0.
    Zuruecksetzung_laeuft = true;
    for (QCheckBox* k : {CheckBox_p1_zeichnen, CheckBox_p2_zeichnen, CheckBox_Erwartungswert_zeigen,
                         CheckBox_Sigma_zeigen, CheckBox_Umgebung_schraffieren,
                         CheckBox_Vertrauensintervall_berechnen, CheckBox_Normalverteilung,
                         CheckBox_Alfa_zeigen, CheckBox_Annahmebereich_zeigen, CheckBox_Beta_zeigen,
                         CheckBox_waagerechte_Strichelung, CheckBox_p0_kumuliert,
                         CheckBox_Stichprobenergebnis_zeigen})
        k->setChecked(false);
    Zuruecksetzung_laeuft = false;

    z.Serie_laeuft = false;
    Alles_berechnen();
}

// --- Handlers -------------------------------------------------------------------------------

void TForm1::FormCreate() {
    StringGrid1->Tabelle_einrichten(z.n);
    QFont Pfeil(QStringLiteral("DejaVu Sans"));
    Pfeil.setPointSize(20);
    Pfeil.setBold(true);
    Label_Pfeil->setFont(Pfeil);
    Textfarbe(Label_Pfeil, Marine);
    Label_Pfeil->setText(QStringLiteral("⇳"));
    Standardwerte_setzen();
    Histo_neu_zeichnen();
}

void TForm1::BitBtn_HistoneuClick() {
    Alles_berechnen();
    Histo_neu_zeichnen();
    StringGrid1->Tabelle_fuellen(z, CheckBox_p1_zeichnen->isChecked(), CheckBox_p2_zeichnen->isChecked());
}

void TForm1::BitBtn_OCClick() {
    OC_anzeigen(Image1->Bild(), z, Schalter_lesen(), *StringGrid1);
    Bild_zeigt_Verteilung = false;
    Image1->update();
}

void TForm1::SpeedButton_StandardwerteClick() {
    Standardwerte_setzen();
    Histo_neu_zeichnen();
}

// The stripe of the image right of the copy shows white until the next redraw.
void TForm1::SpeedButton_ClipboardClick() {
    QImage& Bild = Image1->Bild();
    const QImage Kopie = Zwischenablagebild(Bild, z);
    dienste().Bild_kopieren(Kopie);
    if (Kopie.width() < Bild.width())
        Rechteck(Bild, Kopie.width(), 0, Bild.width(), Bild.height(), clWhite, clWhite, 1, Stiftart::psSolid, Pinselart::bsSolid);
    Image1->update();
}

void TForm1::CheckBox_p1_zeichnenClick() {
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_p2_zeichnenClick() {
    Alles_berechnen();
    Histo_neu_zeichnen();
}

// Clearing the cumulative chart from the handler of "Annahmebereich A" or of the neighbourhood
// hatching must not clear the very box being switched on: otherwise a click on it while the
// cumulative chart is shown would end with that box off, against the rule that checking it
// clears the others.
void TForm1::CheckBox_p0_kumuliertClick() {
    if (Einschaltender != CheckBox_Umgebung_schraffieren) CheckBox_Umgebung_schraffieren->setChecked(false);
    if (Einschaltender != CheckBox_Annahmebereich_zeigen) CheckBox_Annahmebereich_zeigen->setChecked(false);
    Alles_berechnen();
    if (CheckBox_waagerechte_Strichelung->isChecked()) CheckBox_waagerechte_Strichelung->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::ComboBox_Histo_SaeuleChange() {
    z.Saeulendiagramm = ComboBox_Histo_Saeule->currentIndex() == 1;
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Alfa_zeigenClick() {
    if (CheckBox_Alfa_zeigen->isChecked()) {
        CheckBox_Umgebung_schraffieren->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        CheckBox_Annahmebereich_zeigen->setChecked(false);
    }
    Histo_neu_zeichnen();
}

// Also the handler of "waagerechte Hilfslinien": it tests the acceptance box, not the sender.
void TForm1::CheckBox_Annahmebereich_zeigenClick() {
    if (CheckBox_Annahmebereich_zeigen->isChecked()) {
        QCheckBox* const vorher = std::exchange(Einschaltender, CheckBox_Annahmebereich_zeigen);
        CheckBox_Umgebung_schraffieren->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        CheckBox_Alfa_zeigen->setChecked(false);
        Einschaltender = vorher;
    }
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Umgebung_schraffierenClick() {
    if (CheckBox_Umgebung_schraffieren->isChecked()) {
        QCheckBox* const vorher = std::exchange(Einschaltender, CheckBox_Umgebung_schraffieren);
        CheckBox_Annahmebereich_zeigen->setChecked(false);
        CheckBox_Alfa_zeigen->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        Einschaltender = vorher;
        Edit_UmgebungExit();
    }
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_InfoClick() { Histo_neu_zeichnen(); }

void TForm1::CheckBox_NormalverteilungClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Erwartungswert_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Sigma_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Stichprobenergebnis_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Vertrauensintervall_berechnenClick() {
    if (!CheckBox_Vertrauensintervall_berechnen->isChecked()) {
        Label_Vertrauensintervall_ausgeben->setText(QString::fromLatin1(Leeres_Konfidenzintervall));
        return;
    }
    if (ComboBox_Verteilung_p0->currentIndex() != vaBinomial) {
        dienste().Meldung(QStringLiteral("Keine Binomialverteilung !"));
        return;
    }
    Konfidenzintervall_zeigen();
}

void TForm1::Verteilungsart_umschalten(QComboBox* Art, QLineEdit* p, QLineEdit* M, QLineEdit* N,
                                       QLabel* Label_M, QLabel* Label_N) {
    const int i = Art->currentIndex();
    if (i >= vaBinomial && i <= vaGeometr) {
        const bool hypergeometrisch = i == vaHypergeo;
        p->setEnabled(!hypergeometrisch);
        for (QWidget* w : std::initializer_list<QWidget*>{M, N, Label_M, Label_N}) w->setVisible(hypergeometrisch);
    }
    // p keeps its value: it becomes M/N only when an M or N field is left with a valid entry.
    Edit_nExit();
}

void TForm1::ComboBox_Verteilung_p0Change() {
    Verteilungsart_umschalten(ComboBox_Verteilung_p0, Edit_p0, Edit_M0, Edit_N0, Label_M0, Label_N0);
}

void TForm1::ComboBox_Verteilung_p1Change() {
    Verteilungsart_umschalten(ComboBox_Verteilung_p1, Edit_p1, Edit_M1, Edit_N1, Label_M1, Label_N1);
}

void TForm1::ComboBox_Verteilung_p2Change() {
    Verteilungsart_umschalten(ComboBox_Verteilung_p2, Edit_p2, Edit_M2, Edit_N2, Label_M2, Label_N2);
}

void TForm1::Edit_nChange() {
    Edit_k1->setText(QStringLiteral("0"));
    if (!z.Serie_laeuft) Edit_k2->setText(Edit_n->text());
}
