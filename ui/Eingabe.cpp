// Exit handlers of the edit fields: parse, check, store, recompute and redraw.
// A rejected entry keeps the old value and puts the focus back into the field.

#include "ui/Quorvel.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "analysis/Zahlentexte.h"
#include "ui/Dienste.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace {

bool ganz(QLineEdit* e, int& wert) {
    bool ok = false;
    wert = e->text().trimmed().toInt(&ok);
    return ok;
}

bool dezimal(QLineEdit* e, Extended& wert) {
    bool ok = false;
    const double d = QLocale::c().toDouble(QString(e->text()).replace(',', '.').trimmed(), &ok);
    wert = d;
    return ok;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

void abweisen(QLineEdit* e, bool Ton) {
    if (Ton) dienste().Signalton();
    e->setFocus();
}

}  // namespace

void TForm1::Tastenfilter_einrichten() {}

void TForm1::Edit_nExit() {
    int w = 0;
    if (!ganz(Edit_n, w) || w < 1 || w > k_Maximum) return abweisen(Edit_n, true);
    const QComboBox* Arten[] = {ComboBox_Verteilung_p0, ComboBox_Verteilung_p1, ComboBox_Verteilung_p2};
    const int N[] = {z.N0, z.N1, z.N2};
    for (int i = 0; i < 3; ++i) {
        if (Arten[i]->currentIndex() == vaHypergeo && w > N[i]) {
            dienste().Signalton();
            dienste().Meldung(QStringLiteral("n zu groß für Hypergeo"));
            Edit_n->setFocus();
            return;
        }
    }
    z.n = w;
    z.k1 = 0;
    z.k2 = w;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_StichprobenergebnisExit() {
    int w = 0;
    if (!ganz(Edit_Stichprobenergebnis, w)) return abweisen(Edit_Stichprobenergebnis, false);
    if (w < 0 || w > z.n) {
        w = 0;
        Edit_Stichprobenergebnis->setText(QStringLiteral("0"));
    }
    z.x = w;
    CheckBox_Vertrauensintervall_berechnenClick();
}

void TForm1::Edit_k1Exit() {
    int w = 0;
    if (!ganz(Edit_k1, w)) return abweisen(Edit_k1, false);
    if (w < 0 || w > z.k2) {
        w = 0;
        Edit_k1->setText(QStringLiteral("0"));
    }
    z.k1 = w;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_k2Exit() {
    int w = 0;
    if (!ganz(Edit_k2, w)) return abweisen(Edit_k2, false);
    if (w < z.k1 || w > z.n) {
        w = z.n;
        Edit_k2->setText(Edit_n->text());
    }
    z.k2 = w;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

namespace {
bool p_lesen(QLineEdit* e, Extended& p, const char* Ersatztext, Extended Ersatz) {
    Extended w = 0;
    if (!dezimal(e, w)) {
        abweisen(e, false);
        return false;
    }
    if (!(w >= 0 && w <= 1)) {
        w = Ersatz;
        e->setText(QString::fromLatin1(Ersatztext));
    }
    p = w;
    return true;
}
}  // namespace

void TForm1::Edit_p0Exit() {
    CheckBox_Vertrauensintervall_berechnen->setChecked(false);
    if (!p_lesen(Edit_p0, z.p0, "0,8", 0.8L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_p1Exit() {
    if (!p_lesen(Edit_p1, z.p1, "0,6", 0.6L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_p2Exit() {
    if (!p_lesen(Edit_p2, z.p2, "0,3", 0.3L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

namespace {
// M or N of one hypergeometric row; true when p was set from M/N.
bool MN_lesen(QLineEdit* e, int& Ziel, int M, int N, bool ist_M, int n) {
    int w = 0;
    if (!ganz(e, w)) {
        abweisen(e, true);
        return false;
    }
    const bool gut = ist_M ? (w >= 0 && w < N) : (w != 0 && w > M && w >= n);
    if (!gut) {
        abweisen(e, true);
        return false;
    }
    Ziel = w;
    return true;
}
}  // namespace

void TForm1::Edit_M0Exit() {
    if (!MN_lesen(Edit_M0, z.M0, z.M0, z.N0, true, z.n)) return;
    z.p0 = Extended(z.M0) / z.N0;
    Edit_p0->setText(text(Zahl_allgemein(z.p0)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_M1Exit() {
    if (!MN_lesen(Edit_M1, z.M1, z.M1, z.N1, true, z.n)) return;
    z.p1 = Extended(z.M1) / z.N1;
    Edit_p1->setText(text(Zahl_allgemein(z.p1)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_M2Exit() {
    if (!MN_lesen(Edit_M2, z.M2, z.M2, z.N2, true, z.n)) return;
    z.p2 = Extended(z.M2) / z.N2;
    Edit_p2->setText(text(Zahl_allgemein(z.p2)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N0Exit() {
    if (!MN_lesen(Edit_N0, z.N0, z.M0, z.N0, false, z.n)) return;
    z.p0 = Extended(z.M0) / z.N0;
    Edit_p0->setText(text(Zahl_allgemein(z.p0)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N1Exit() {
    if (!MN_lesen(Edit_N1, z.N1, z.M1, z.N1, false, z.n)) return;
    z.p1 = Extended(z.M1) / z.N1;
    Edit_p1->setText(text(Zahl_allgemein(z.p1)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N2Exit() {
    if (!MN_lesen(Edit_N2, z.N2, z.M2, z.N2, false, z.n)) return;
    z.p2 = Extended(z.M2) / z.N2;
    Edit_p2->setText(text(Zahl_allgemein(z.p2)));
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_AlfaliExit() {
    Extended w = 0;
    if (!dezimal(Edit_Alfali, w)) return abweisen(Edit_Alfali, false);
    if (!(w >= 0 && w <= 100)) {
        w = 0;
        Edit_Alfali->setText(QStringLiteral("0"));
    }
    z.Alfali = w;
    Edit_kli->setText(text(Zahl_ganz(kli_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_AlfareExit() {
    Extended w = 0;
    if (!dezimal(Edit_Alfare, w)) return abweisen(Edit_Alfare, false);
    if (!(w >= 0 && w <= 100)) {
        w = 0;
        Edit_Alfare->setText(QStringLiteral("0"));
    }
    z.Alfare = w;
    Edit_kre->setText(text(Zahl_ganz(kre_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kliExit() {
    int w = 0;
    if (!ganz(Edit_kli, w)) return abweisen(Edit_kli, false);
    if (w < -1 || w > z.kre) {
        w = -1;
        Edit_kli->setText(QStringLiteral("-1"));
    }
    z.kli = w;
    Edit_Alfali->setText(text(Zahl_allgemein(Alfali_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kreExit() {
    int w = 0;
    if (!ganz(Edit_kre, w)) return abweisen(Edit_kre, false);
    if (w < z.kli || w > z.n + 1) {
        w = z.n + 1;
        Edit_kre->setText(text(Zahl_ganz(w)));
    }
    z.kre = w;
    Edit_Alfare->setText(text(Zahl_allgemein(Alfare_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_SigmafaktorExit() {
    Extended w = 0;
    if (!dezimal(Edit_Sigmafaktor, w) || !(w >= 0 && w <= 7)) return abweisen(Edit_Sigmafaktor, true);
    z.Sigmafaktor = w;
    z.Umgebung = 100 * (Phi(w) - Phi(-w));
    Edit_Umgebung->setText(text(Zahl_allgemein(z.Umgebung)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}

void TForm1::Edit_UmgebungExit() {
    Extended w = 0;
    if (!dezimal(Edit_Umgebung, w) || !(w >= 0 && w <= 100)) return abweisen(Edit_Umgebung, true);
    z.Umgebung = w;
    z.Sigmafaktor = Phi_invers(w / 200 + 0.5L);
    if (!std::isfinite(z.Sigmafaktor) || z.Sigmafaktor > 7) z.Sigmafaktor = 7;
    Edit_Sigmafaktor->setText(text(Zahl_allgemein(z.Sigmafaktor)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}
