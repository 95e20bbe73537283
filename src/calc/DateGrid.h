#pragma once
#include "calc/CalendarDate.h"

#include <QWidget>

// A month-grid calendar: the locale's short day names from Sunday over the
// day numbers of the month of its date. Setting a part is ignored as
// datecalc::CalendarDate says; every change taken redraws the grid and
// raises changed(). A press on a day number raises clicked() and then sets
// the day.
class DateGrid : public QWidget {
    Q_OBJECT
public:
    // Starts at today, with the today mode on.
    explicit DateGrid(const QDate& today, QWidget* parent = nullptr);

    int year() const { return date_.year(); }
    int month() const { return date_.month(); }
    int day() const { return date_.day(); }
    qint64 serial() const { return date_.serial(); }

    void setYear(qint64 year);
    void setMonth(qint64 month);
    void setDay(qint64 day);

    bool todayMode() const { return date_.todayMode(); }
    // On while off moves the date to today.
    void setTodayMode(bool on, const QDate& today);

    // What a screen reader hears before the date ("Date From: 15 January 2000").
    void setAccessibleLabel(const QString& label);

    // Cell of the grid in widget coordinates: row 0 holds the day names.
    QRect cellRect(int row, int column) const;
    QRect dayRect(int day) const;

signals:
    void changed();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void redrawIfTaken(bool accepted);
    void describe();

    datecalc::CalendarDate date_;
    QString accessibleLabel_;
};
