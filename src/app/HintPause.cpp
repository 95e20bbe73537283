#include "app/HintPause.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

int pauseMs = -1;

// Shows every tool tip for the hint hide pause instead of Qt's few seconds.
class HintPauseFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || pauseMs < 0)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        // Help texts keep the CR LF line breaks of their source.
        QString text = widget->toolTip();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        QToolTip::showText(help->globalPos(), text, widget, widget->rect(), pauseMs);
        return true;
    }
};

} // namespace

void setHintHidePause(int milliseconds)
{
    static HintPauseFilter* filter = nullptr;
    pauseMs = milliseconds;
    if (!filter && qApp) {
        filter = new HintPauseFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

int hintHidePause() { return pauseMs; }
