// The window as a window: its size (the outer size once the frame is known, fitted into the
// screen; the band and the chart image following the size), dropping a lesson file on it,
// closing it.

#include "ui/Quorvel.h"

#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Bildschirmgroesse.h"
#include "ui/Fensterplatz.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int Bandhoehe = 340;
constexpr int Bildhoehe = 373;
// Below this the chart no longer gives up height: the band scrolls instead.
constexpr int Mindestbildhoehe = 200;

// The one local file a drag brings, else empty.
QString Gezogene_Datei(const QMimeData* m) {
    if (!m || !m->hasUrls() || m->urls().size() != 1 || !m->urls().constFirst().isLocalFile()) return {};
    return m->urls().constFirst().toLocalFile();
}

}  // namespace

// The band in a scroll area of the window's size; it scrolls only when the window is too low
// for band and smallest chart, or too narrow for the band's controls.
void TForm1::Band_einrichten() {
    Band = new QScrollArea(this);
    Band->setObjectName(QStringLiteral("Band"));
    Band->setAccessibleName(QCoreApplication::translate("Fenstergroesse", "Eingabebereich"));
    // A click on a control that takes no focus leaves the focus where it was.
    Band->setFocusPolicy(Qt::NoFocus);
    Band->setFrameShape(QFrame::NoFrame);
    Band->setWidgetResizable(false);
    Band->setWidget(Panel1);
    Band->lower();
}

void TForm1::Anordnen() {
    const int b = width();
    // At the opening size the image is 373 px high, and what the frame leaves of 750 px below
    // it stays free; a taller window gives the image the extra height (the chart follows the
    // image's height), a lower one takes the free stripe first, then height of the image down
    // to Mindestbildhoehe.
    if (Oeffnungshoehe == 0) Oeffnungshoehe = height();
    const int Frei = std::max(0, Oeffnungshoehe - Bandhoehe - Bildhoehe);
    const int Inhalt = height() - std::clamp(height() - Bandhoehe - Bildhoehe, 0, Frei);
    const int Bandteil = std::clamp(Inhalt - Mindestbildhoehe, 0, Bandhoehe);
    Band->setGeometry(0, 0, b, Bandteil);
    const int Rechts = Panel1->childrenRect().right() + 1;
    const int Bildlauf = Band->verticalScrollBar()->sizeHint().width();
    Panel1->resize(std::max(Bandteil < Bandhoehe ? b - Bildlauf : b, Rechts), Bandhoehe);
    Image1->setGeometry(0, Bandteil, b, std::max(Inhalt - Bandteil, Mindestbildhoehe));
    // While the window is hidden Qt holds the resize event back; the chart needs the size now.
    if (Image1->Bild_anpassen()) emit Image1->Groesse_geaendert();
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

// 1031 x 750 is the outer size, frame included, where it fits; on a smaller screen the window
// takes the available area. A window manager tells the frame only after the window is mapped
// (with a move or resize of the window), so this runs on each of those until a frame is known,
// once.
void TForm1::Aussengroesse_anpassen() {
    if (Aussengroesse_gesetzt || !isVisible()) return;
    const QSize Rahmen = frameGeometry().size() - geometry().size();
    if (Rahmen.isEmpty()) return;
    Aussengroesse_gesetzt = true;
    Oeffnungshoehe = Fenster_Vorgabe.height() - Rahmen.height();
    const QRect r = Platz->Oeffnungsrahmen();
    // Under a zoom Qt gives the frame rounded to whole logical pixels; one pixel less keeps
    // the frame on the screen however it was rounded.
    const int Rundung = Bildschirmgroesse::Zoom() == 100 ? 0 : 1;
    resize(r.size() - Rahmen - QSize(Rundung, Rundung));
    move(r.topLeft());
}

void TForm1::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    Aussengroesse_anpassen();
}

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!Gezogene_Datei(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QString Name = Gezogene_Datei(e->mimeData());
    if (Name.isEmpty()) return;
    e->acceptProposedAction();
    // After the drop has ended: the question or the message must not hold the dragging program.
    QTimer::singleShot(0, this, [this, Name] { dokument.Oeffnen(Name); });
}

// Changes of an untitled window are asked for too: closing must not lose them silently.
void TForm1::closeEvent(QCloseEvent* e) {
    Erkundung_anhalten();
    if (dokument.Aenderungen_sichern(true)) {
        Platz->Platz_merken();
        e->accept();
    } else {
        e->ignore();
    }
}
