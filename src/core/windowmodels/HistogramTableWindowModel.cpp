#include "windowmodels/HistogramTableWindowModel.h"

#include "editor/HistogramWorkbook.h"
#include "histogram/Queries.h"

namespace morvik {

HistogramTableOpening HistogramTableWindowModel::Open(const Source& source)
{
    HistogramTableOpening opening;
    opening.refusal = CheckHistogramTable(source.shown.HasHistogram());
    if (opening.refusal) return opening;
    HistogramTableWindowModel model;
    model.histogram_ = source.shown.ResultHistogram;
    model.kind_ = source.shown.Kind;
    model.name_ = source.shown.Name;
    model.query_ = TableQueryOf(source.shown.Query, source.valueText, source.quantileText);
    model.plainTable_ = source.plainTable;
    model.rows_ = HistogramTableRows(model.histogram_, model.kind_);
    opening.model = std::move(model);
    return opening;
}

int HistogramTableWindowModel::FormNumber() const { return kind_ == HistogramKind::PureDiscrete ? 3 : 9; }

std::string HistogramTableWindowModel::Caption() const { return HistogramTableCaption(name_); }

std::optional<Colour> HistogramTableWindowModel::CellBackground(int row, int column) const
{
    const RowShade shade = HistogramTableShade(histogram_, kind_, row, query_, plainTable_);
    if (shade == RowShade::None) return std::nullopt;
    if (shade == RowShade::Total && (column < 1 || column > 3)) return std::nullopt;
    return HistogramTableColour(shade);
}

HistogramTableWindowModel::WorkbookWrite HistogramTableWindowModel::WriteWorkbook(
    const std::string& resultsFolder) const
{
    WorkbookWrite write;
    write.path = resultsFolder + "/" + WorkbookFileName(name_);
    write.message = WriteHistogramWorkbook(write.path, histogram_, kind_, name_);
    return write;
}

TableQuery TableQueryOf(QueryMode mode, const std::string& valueText, const std::string& quantileText)
{
    if (mode == QueryMode::None) return {};
    const QueryEntry entry = ReadQueryEntry(mode == QueryMode::Value ? valueText : quantileText);
    if (!entry.value) return {};
    return {mode == QueryMode::Value ? TableHighlight::Value : TableHighlight::Quantile, *entry.value};
}

}  // namespace morvik
