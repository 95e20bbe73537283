#pragma once
#include "typing/TypingScorer.h"

#include <QColor>
#include <QWidget>

// A horizontal bar gauge over a typing::Gauge: the bar in its colour, the
// percentage over it unless told not to. Screen readers hear the title and
// the percentage.
class TypingGauge : public QWidget {
    Q_OBJECT
public:
    TypingGauge(const QString& title, const QColor& bar, bool showsText, QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setValue(int value);
    // Maximum first, then value, as the rules read.
    void setReading(const typing::Gauge& gauge);
    const typing::Gauge& gauge() const { return gauge_; }
    int percent() const { return gauge_.percent(); }
    QString title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();

    typing::Gauge gauge_;
    QString title_;
    QColor bar_;
    bool showsText_;
};
