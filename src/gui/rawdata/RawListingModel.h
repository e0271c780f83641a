#pragma once
#include <QAbstractListModel>
#include <functional>
#include <string>

namespace morvik {

// The listing of `MemoDat` as a list model: a line is asked of the core when the view draws it, so half a
// million values cost nothing until they are seen.
class RawListingModel : public QAbstractListModel {
public:
    using LineOf = std::function<std::string(int)>;  // the line of value j (1-based)

    explicit RawListingModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    void Show(int count, LineOf line)
    {
        beginResetModel();
        count_ = count;
        line_ = std::move(line);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || !line_) return {};
        return QString::fromStdString(line_(index.row() + 1));
    }

private:
    int count_ = 0;
    LineOf line_;
};

}  // namespace morvik
