#include "ui/Sitzung.h"

Sitzung::Sitzung(QObject* Eltern) : QObject(Eltern), e(Starteingaben()), a(auswerten(e)) {}

void Sitzung::Uebernehmen(Eingaben neu, bool Stichproben_bleiben) {
    if (neu == e) return;
    if (!Stichproben_bleiben) neu.Stichproben.gezeigt = false;
    e = std::move(neu);
    a = auswerten(e);
    emit geaendert();
}

Eingabeurteil Sitzung::Eingeben(Feld f, const std::string& Text) {
    Eingaben neu = e;
    const Eingabeurteil u = ::Eingeben(neu, a, f, Text);
    neu.OC = false;
    Uebernehmen(std::move(neu));
    return u;
}

void Sitzung::Kasten_setzen(Kasten k, bool an) {
    Eingaben neu = e;
    ::Kasten_setzen(neu, k, an);
    neu.OC = false;
    Uebernehmen(std::move(neu));
}

Eingabeurteil Sitzung::Art_waehlen(int Zeile, int Art) {
    Eingaben neu = e;
    const Eingabeurteil u = ::Art_waehlen(neu, Zeile, Art);
    neu.OC = false;
    Uebernehmen(std::move(neu));
    return u;
}

void Sitzung::Saeulendiagramm_waehlen(bool Saeulen) {
    Eingaben neu = e;
    neu.Saeulendiagramm = Saeulen;
    neu.OC = false;
    Uebernehmen(std::move(neu));
}

void Sitzung::OC_zeigen(bool OC) {
    Eingaben neu = e;
    neu.OC = OC;
    Uebernehmen(std::move(neu));
}

void Sitzung::Zuruecksetzen() {
    Eingaben neu = Starteingaben();
    neu.s.Info = e.s.Info;
    Uebernehmen(std::move(neu));
}

void Sitzung::Setzen(const Eingaben& neu) { Uebernehmen(neu, true); }

Eingabeurteil Sitzung::Stichprobenzahl_eingeben(const std::string& Text) {
    Eingaben neu = e;
    const Eingabeurteil u = ::Stichprobenzahl_eingeben(neu, Text);
    Uebernehmen(std::move(neu));
    return u;
}

Eingabeurteil Sitzung::Startwert_eingeben(const std::string& Text) {
    Eingaben neu = e;
    const Eingabeurteil u = ::Startwert_eingeben(neu, Text);
    Uebernehmen(std::move(neu));
    return u;
}

void Sitzung::Ziehen_aus_waehlen(int Zeile) {
    Eingaben neu = e;
    ::Ziehen_aus_waehlen(neu, Zeile);
    Uebernehmen(std::move(neu));
}

void Sitzung::Stichproben_zeigen(bool gezeigt) {
    Eingaben neu = e;
    neu.Stichproben.gezeigt = gezeigt;
    neu.OC = false;
    Uebernehmen(std::move(neu), true);
}
