#include "calc/FontListBox.h"

#include <QCollator>
#include <QFontDatabase>
#include <QListView>
#include <QPainter>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace {

// Draws one name: the item cleared (to the selection colour when it is the
// highlighted one), then the name in its own face from the top left corner.
class FontNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, highlighted ? palette.highlight() : palette.base());
        painter->setPen(highlighted ? palette.highlightedText().color() : palette.text().color());
        const QString family = index.data(Qt::DisplayRole).toString();
        painter->setFont(FontListBox::nameFont(family));
        painter->setClipRect(option.rect);
        painter->drawText(option.rect.left(), option.rect.top() + painter->fontMetrics().ascent(), family);
        painter->restore();
    }

    // Every item the same size, known without looking at any face.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), FontListBox::ItemHeight);
    }
};

} // namespace

FontListBox::FontListBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(VisibleItems);
    // Measuring the box by its longest name would look at every face.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    // A plain drop-down list, not a menu laid over the box.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setView(list);
    setItemDelegate(new FontNameDelegate(this));
}

void FontListBox::setFamilies(const QStringList& families)
{
    const QSignalBlocker quiet(this);
    clear();
    addItems(families);
}

QStringList FontListBox::installedFamilies()
{
    // A family made by several foundries is listed once per foundry, as
    // "C059 [urw]"; the user chooses the family, so it is listed once.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            families.append(QString(family).remove(foundry));
    QCollator byName;
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(families.begin(), families.end(), byName);
    // Equal names sit together once sorted.
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

QFont FontListBox::nameFont(const QString& family) { return QFont(family, PointSize); }

void FontListBox::paintEvent(QPaintEvent*)
{
    // The box shows its chosen name the way the list does, in its own face.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    painter.setFont(nameFont(currentText()));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter, currentText());
}
