#pragma once
#include "typing/GaugeReading.h"

#include <QColor>
#include <QWidget>

// A horizontal bar gauge over a typing::GaugeReading: the bar in its colour,
// the percentage over it unless told not to. Screen readers hear the title
// and the percentage ("Accuracy: 97%"), hidden or not.
class TypingGauge : public QWidget {
    Q_OBJECT
public:
    // The speed gauge hides its percentage: a words-per-minute label lies over it.
    enum class Percentage { Shown, Hidden };

    TypingGauge(const QString& title, const QColor& bar, Percentage percentage,
                QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setValue(int value);
    // Maximum first, then value, as the rules read.
    void setReading(const typing::GaugeReading& reading);
    const typing::GaugeReading& reading() const { return reading_; }
    int percent() const { return reading_.percent(); }
    QString title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showReading();

    typing::GaugeReading reading_;
    QString title_;
    QColor bar_;
    Percentage percentage_;
};
