#pragma once
#include <QComboBox>
#include <QStringList>

// A drop-down list of font families in which every name is drawn in its own
// face at 24 points, at the top left of its 44-pixel item, ten items to a
// dropped-down list. A name is drawn only when its item comes into view, so
// opening a list of hundreds of fonts loads only the faces it shows.
class FontListBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 44;
    static constexpr int PointSize = 24;
    static constexpr int VisibleItems = 10;

    explicit FontListBox(QWidget* parent = nullptr);

    // The list afresh, in the order given.
    void setFamilies(const QStringList& families);
    QString currentFamily() const { return currentText(); }

    // The installed font families a user can choose, sorted by name.
    static QStringList installedFamilies();
    // The face a name is drawn in.
    static QFont nameFont(const QString& family);

protected:
    void paintEvent(QPaintEvent* event) override;
};
