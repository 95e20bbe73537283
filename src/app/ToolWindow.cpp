#include "app/ToolWindow.h"

#include "app/Panel.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

ToolWindow::ToolWindow(const UtilityServices& services, QWidget* owner, const QSize& clientSize)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), services_(services)
{
    setFixedSize(clientSize);
    setAutoFillBackground(true);

    helpPanel_ = makeHelpPanel(this, QPoint(1, 1));
    closePanel_ = makeClosePanel(this, QPoint(clientSize.width() - 20, 1), QStringLiteral("Close"));
    connect(closePanel_, &Panel::clicked, this, [this] { closePanelClicked(); });
}

void ToolWindow::setHelpText(const QString& text)
{
    helpPanel_->setToolTip(text);
    helpPanel_->setAccessibleDescription(text);
}

QString ToolWindow::helpText() const { return helpPanel_->toolTip(); }

void ToolWindow::release()
{
    if (released_)
        return;
    released_ = true;
    emit released();
    hide();
    deleteLater();
}

bool ToolWindow::closeIfAllowed()
{
    if (released_)
        return true;
    if (!queryClose())
        return false;
    release();
    return true;
}

void ToolWindow::closePanelClicked() { closeIfAllowed(); }

void ToolWindow::closeEvent(QCloseEvent* event)
{
    // The window's own answer decides: one that refuses (still timing, work
    // not saved) stays up.
    if (closeIfAllowed())
        event->accept();
    else
        event->ignore();
}

void ToolWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        activated();
    else
        deactivated();
}

void ToolWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    // A maximised window has its place already (and a move would undo it).
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ToolWindow::mousePressEvent(QMouseEvent* event)
{
    // Presses that reach the window itself came from its bare body or from a
    // label or picture on it: they move the window, as a title bar would.
    if (!drag_.press(this, event))
        QWidget::mousePressEvent(event);
}

void ToolWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!drag_.move(this, event))
        QWidget::mouseMoveEvent(event);
}

void ToolWindow::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    QWidget::mouseReleaseEvent(event);
}
