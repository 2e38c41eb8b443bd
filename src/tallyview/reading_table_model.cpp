#include "tallyview/reading_table_model.h"

#include "tallyview/reading_columns.h"

namespace zel {

void ReadingTableModel::SetReadings(std::shared_ptr<const DataFile> file, std::vector<uint32_t> rows) {
  beginResetModel();
  file_ = std::move(file);
  rows_ = file_ ? std::move(rows) : std::vector<uint32_t>();
  endResetModel();
}

int ReadingTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int ReadingTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kReadingColumnCount;
}

QVariant ReadingTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || size_t(index.row()) >= rows_.size()) return QVariant();
  const auto column = ReadingColumn(index.column());
  if (role == Qt::DisplayRole) return ReadingCellText(file_->readings[rows_[size_t(index.row())]], column);
  if (role == Qt::TextAlignmentRole) {
    const bool text = column == ReadingColumn::Time || column == ReadingColumn::Channel;
    return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
  }
  return QVariant();
}

QVariant ReadingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < kReadingColumnCount)
    return ReadingColumnTitle(ReadingColumn(section));
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace zel
