#include "calc/CharacterTableView.h"

#include "calc/FontCharacterModel.h"

#include <QFontMetrics>
#include <QKeyEvent>

CharacterTableView::CharacterTableView(FontCharacterModel* model, QWidget* parent)
    : QListView(parent), model_(model)
{
    setModel(model);
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(model_, &FontCharacterModel::fontChanged, this, [this] { updateGrid(); });
    connect(this, &QListView::clicked, this,
            [this](const QModelIndex& index) { emit characterPicked(FontCharacterModel::codeAt(index)); });
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit characterDoubleClicked(FontCharacterModel::codeAt(index)); });
    updateGrid();
}

void CharacterTableView::setColumnCount(int columns)
{
    columns_ = qMax(1, columns);
    updateGrid();
}

int CharacterTableView::currentCode() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? FontCharacterModel::codeAt(index) : 0;
}

void CharacterTableView::setCurrentCode(int code)
{
    const QModelIndex index = model_->indexOf(code);
    if (!index.isValid()) {
        setCurrentIndex({});
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

QRect CharacterTableView::itemRect(int code) const { return visualRect(model_->indexOf(code)); }

void CharacterTableView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    updateGrid();
}

void CharacterTableView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        emit characterPicked(FontCharacterModel::codeAt(currentIndex()));
}

void CharacterTableView::updateGrid()
{
    // Rows as high as the font's lines, columns a share of the width.
    const int rowHeight = QFontMetrics(model_->font()).height();
    setGridSize(QSize(qMax(1, viewport()->width() / columns_), rowHeight));
}
