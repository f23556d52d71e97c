#include "flexgrid.h"

#include <QHeaderView>

namespace tsl {

FlexGridModel::FlexGridModel(int rows, int cols, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), cols_(cols),
      texts_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols)),
      backs_(texts_.size()), alignments_(static_cast<std::size_t>(cols), FlexGrid::aligngeneral) {}

// Row 0 of the grid is the heading; the model's rows are grid rows 1 on.
int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row() + 1;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return texts_[cell(row, col)];
    case Qt::BackgroundRole: {
        const QColor& c = backs_[cell(row, col)];
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::TextAlignmentRole: {
        const int code = alignments_[static_cast<std::size_t>(col)];
        if (code == FlexGrid::alignlefttop) return int(Qt::AlignLeft | Qt::AlignTop);
        if (code == FlexGrid::alignleftcenter) return int(Qt::AlignLeft | Qt::AlignVCenter);
        if (code == FlexGrid::alignrightcenter) return int(Qt::AlignRight | Qt::AlignVCenter);
        bool number = false;
        texts_[cell(row, col)].trimmed().toDouble(&number);
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < cols_)
        return texts_[cell(0, section)];
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return {};
}

QString FlexGridModel::text(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return {};
    return texts_[cell(row, col)];
}

void FlexGridModel::settext(int row, int col, const QString& text) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
    texts_[cell(row, col)] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - 1, col);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

void FlexGridModel::setcolalignment(int col, int code) {
    if (col < 0 || col >= cols_) return;
    alignments_[static_cast<std::size_t>(col)] = code;
    if (rows_ > 1) emit dataChanged(index(0, col), index(rows_ - 2, col), {Qt::TextAlignmentRole});
}

void FlexGridModel::setcellbackcolor(int row, int col, const QColor& color) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
    backs_[cell(row, col)] = color;
    if (row > 0) {
        const QModelIndex i = index(row - 1, col);
        emit dataChanged(i, i, {Qt::BackgroundRole});
    }
}

void FlexGridModel::clear() {
    beginResetModel();
    for (QString& t : texts_)
        t.clear();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

FlexGrid::FlexGrid(int rows, int cols, QWidget* parent)
    : QTableView(parent), model_(new FlexGridModel(rows, cols, this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    verticalHeader()->setMinimumSectionSize(1);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) {
        currentrow_ = i.row() + 1;
        currentcol_ = i.column();
        emit rowclicked(currentrow_);
        emit cellclicked(currentrow_, currentcol_);
    });
    connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        currentrow_ = i.row() + 1;
        currentcol_ = i.column();
        emit rowdoubleclicked(currentrow_);
    });
}

void FlexGrid::setcurrentcell(int row, int col) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols()) return;
    currentrow_ = row;
    currentcol_ = col;
}

void FlexGrid::setcolwidth(int col, int twips) {
    setColumnWidth(col, twipstopixels(twips));
}

void FlexGrid::setrowheight(int row, int twips) {
    if (row == 0) {
        horizontalHeader()->setFixedHeight(twipstopixels(twips));
    } else {
        setRowHeight(row - 1, twipstopixels(twips));
    }
}

void FlexGrid::settoprow(int row) {
    if (row < 1 || row >= rows()) return;
    scrollTo(model_->index(row - 1, 0), QAbstractItemView::PositionAtTop);
}

int FlexGrid::toprow() const {
    return rowAt(0) + 1;
}

} // namespace tsl
