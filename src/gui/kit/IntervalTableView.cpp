#include "kit/IntervalTableView.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "chart/ChartColour.h"
#include "kit/QtText.h"

namespace morvik {

class IntervalTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetContent(IntervalTableContent content)
    {
        beginResetModel();
        content_ = std::move(content);
        endResetModel();
    }
    void Reshade()
    {
        if (content_.rows > 0) emit dataChanged(index(0, 0), index(content_.rows - 1, 2), {Qt::BackgroundRole});
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : content_.rows; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= content_.rows) return {};
        if (role == Qt::DisplayRole) return ToQString(content_.text(index.row())[static_cast<size_t>(index.column())]);
        if (role == Qt::ForegroundRole && content_.textColour) return ToQColor(*content_.textColour);
        if (role == Qt::BackgroundRole) {
            if (const std::optional<Colour> colour = BackgroundOf(index.row(), index.column()))
                return ToQColor(*colour);
        }
        return {};
    }

    std::optional<Colour> BackgroundOf(int row, int column) const
    {
        const RowShade shade = content_.shade ? content_.shade(row) : RowShade::None;
        if (shade == RowShade::None || (shade == RowShade::Total && column == 0)) return std::nullopt;
        return shade == RowShade::Plain ? content_.plainColour : RowShadeColour(shade);
    }

private:
    IntervalTableContent content_;
};

IntervalTableView::IntervalTableView(QWidget* parent, const char* name)
    : QTableView(parent), model_(new IntervalTableModel(this))
{
    setObjectName(QString::fromLatin1(name));
    setModel(model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    // Every row is as high as the default: the view need not measure 2,051 rows to lay them out.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
}

void IntervalTableView::Show(IntervalTableContent content)
{
    // A reset of the model gives the columns their default widths; the window's widths stay.
    int widths[3];
    for (int column = 0; column < 3; ++column) widths[column] = columnWidth(column);
    model_->SetContent(std::move(content));
    for (int column = 0; column < 3; ++column) setColumnWidth(column, widths[column]);
    show();
}

void IntervalTableView::Reshade() { model_->Reshade(); }

void IntervalTableView::FitColumnsToText()
{
    const QFontMetrics metrics(font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    int total = 0;
    for (int column = 0; column < 3; ++column) {
        int widest = 0;
        for (int row = 0; row < model_->rowCount(); ++row) {
            widest = std::max(widest, metrics.horizontalAdvance(Text(row, column)));
        }
        setColumnWidth(column, widest + padding);
        total += widest + padding;
    }
    setMinimumWidth(total + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
}

int IntervalTableView::rowCount() const { return model_->rowCount(); }

QString IntervalTableView::Text(int row, int column) const
{
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

QColor IntervalTableView::Background(int row, int column) const
{
    const std::optional<Colour> colour = model_->BackgroundOf(row, column);
    return colour ? ToQColor(*colour) : palette().color(QPalette::Base);
}

}  // namespace morvik
