#pragma once
// A grid of text cells addressed by row and column, row 0 being the fixed heading row, as
// the log's windows use it: cell texts, column widths and alignments, row heights, cell
// background colours, the top visible row, and the row the user clicked. Widths and
// heights are given in twips (1/1440 inch; 15 twips to a pixel on a 96-dpi screen).

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>

#include <vector>

namespace tsl {

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    FlexGridModel(int rows, int cols, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int rows() const { return rows_; }
    int cols() const { return cols_; }
    QString text(int row, int col) const;
    void settext(int row, int col, const QString& text);
    void setcolalignment(int col, int code);
    void setcellbackcolor(int row, int col, const QColor& color);
    void clear();

  private:
    std::size_t cell(int row, int col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    int rows_;
    int cols_;
    std::vector<QString> texts_;
    std::vector<QColor> backs_;
    std::vector<int> alignments_;
};

class FlexGrid : public QTableView {
    Q_OBJECT
  public:
    // Alignment codes: 0 left and top, 1 left and centred, 7 right and centred,
    // 9 general (text to the left, numbers to the right).
    static constexpr int alignlefttop = 0;
    static constexpr int alignleftcenter = 1;
    static constexpr int alignrightcenter = 7;
    static constexpr int aligngeneral = 9;

    FlexGrid(int rows, int cols, QWidget* parent = nullptr);

    int rows() const { return model_->rows(); }
    int cols() const { return model_->cols(); }
    QString text(int row, int col) const { return model_->text(row, col); }
    void settext(int row, int col, const QString& text) { model_->settext(row, col, text); }
    void setcolwidth(int col, int twips);
    void setcolalignment(int col, int code) { model_->setcolalignment(col, code); }
    void setrowheight(int row, int twips);
    void setcellbackcolor(int row, int col, const QColor& color) {
        model_->setcellbackcolor(row, col, color);
    }
    // Scrolls so that the row stands at the top, as far as the grid can scroll.
    void settoprow(int row);
    int toprow() const;
    // Empties every cell, the heading row included.
    void clear() { model_->clear(); }
    // The cell last clicked or made current (row 0 and column 0 before any).
    int currentrow() const { return currentrow_; }
    int currentcol() const { return currentcol_; }
    void setcurrentcell(int row, int col);

    static int twipstopixels(int twips) { return (twips + 7) / 15; }

  signals:
    void rowclicked(int row);
    void cellclicked(int row, int col);
    void rowdoubleclicked(int row);

  private:
    FlexGridModel* model_;
    int currentrow_ = 0;
    int currentcol_ = 0;
};

} // namespace tsl
