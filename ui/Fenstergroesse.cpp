// The window as a window: its size (the outer size once the frame is known, the band and the
// chart image following the width), dropping a lesson file on it, closing it.

#include "ui/Quorvel.h"

#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

// The outer size of the window, frame included; the form opens it at this size.
constexpr int Fensterbreite = 1031;
constexpr int Fensterhoehe = 750;
constexpr int Bandhoehe = 340;
constexpr int Bildhoehe = 373;

// The one local file a drag brings, else empty.
QString Gezogene_Datei(const QMimeData* m) {
    if (!m || !m->hasUrls() || m->urls().size() != 1 || !m->urls().constFirst().isLocalFile()) return {};
    return m->urls().constFirst().toLocalFile();
}

}  // namespace

void TForm1::Anordnen() {
    const int b = width();
    Panel1->setGeometry(0, 0, b, Bandhoehe);
    // At the opening size the image is 373 px high; a taller window gives it the extra height
    // (the chart follows the image's height), a lower one never less than that.
    if (Oeffnungshoehe == 0) Oeffnungshoehe = height();
    Image1->setGeometry(0, Bandhoehe, b, Bildhoehe + std::max(0, height() - Oeffnungshoehe));
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

// 1031 x 750 is the outer size, frame included. A window manager tells the frame only after
// the window is mapped (with a move or resize of the window), so this runs on each of those
// until a frame is known, once.
void TForm1::Aussengroesse_anpassen() {
    if (Aussengroesse_gesetzt || !isVisible()) return;
    const QSize Rahmen = frameGeometry().size() - geometry().size();
    if (Rahmen.isEmpty()) return;
    Aussengroesse_gesetzt = true;
    Oeffnungshoehe = Fensterhoehe - Rahmen.height();
    resize(QSize(Fensterbreite, Fensterhoehe) - Rahmen);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(Fensterbreite / 2, Fensterhoehe / 2));
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
    if (dokument.Aenderungen_sichern(true))
        e->accept();
    else
        e->ignore();
}
