#include "app/views/ParameterTableModel.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "model/ControlParameter.h"
#include "model/Observer.h"
#include "model/ParameterMap.h"

// Keeps the key a parameter is listed under and tells the model when its parameter changed.
class ParameterTableModel::RowObserver : public Observer {
public:
    RowObserver(ParameterTableModel& model, int row, const ParameterId& key)
        : model_(model), row_(row), key_(key) {}

    void update(Parameter&) override { model_.rowChanged(row_); }
    const ParameterId& key() const { return key_; }
    // The texts of the changing columns as last announced.
    std::array<QString, ColumnCount>& announced() { return announced_; }

private:
    ParameterTableModel& model_;
    int row_;
    ParameterId key_;
    std::array<QString, ColumnCount> announced_;
};

namespace {

// Two-byte values are numbers; anything else is text.
bool isNumber(const ParameterValue& value) {
    return value.size() == 2;
}

QString idText(const ParameterId& id) {
    return QStringLiteral("(%1, %2)").arg(id.number).arg(id.index);
}

QString nameText(const Parameter& parameter) {
    return parameter.formatter() ? QString::fromStdString(parameter.formatter()->name())
                                 : QString();
}

QString editText(const ParameterValue& value) {
    return isNumber(value) ? QString::number(value.toInt16())
                           : QString::fromStdString(value.bytes());
}

// Without a formatter a value is worded as the reports word it: a number, or the text it holds.
QString valueText(const Parameter& parameter) {
    if (!parameter.formatter())
        return editText(parameter.getValue());
    std::string text;
    try {
        parameter.formatValue(text, parameter.getValue());
    } catch (const std::exception&) {
        // A value the formatter cannot word is still listed, by its raw bytes.
        return QString();
    }
    return QString::fromStdString(text);
}

QString rawText(const ParameterValue& value) {
    const std::string& bytes = value.bytes();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex(' ').toUpper();
}

QString flagText(bool flag) {
    return flag ? QStringLiteral("yes") : QStringLiteral("no");
}

bool parseEdit(const QString& text, const ParameterValue& held, ParameterValue& value) {
    if (!isNumber(held)) {
        value = ParameterValue::fromText(text.toStdString());
        return true;
    }
    bool ok = false;
    const QString trimmed = text.trimmed();
    const int number = trimmed.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)
                           ? trimmed.mid(2).toInt(&ok, 16)
                           : trimmed.toInt(&ok, 10);
    if (ok)
        value = ParameterValue(number);
    return ok;
}

} // namespace

ParameterTableModel::ParameterTableModel(const ParameterMap& parameters, ActionGuard guard,
                                         QObject* parent)
    : QAbstractTableModel(parent), guard_(std::move(guard)) {
    rows_.reserve(parameters.size());
    for (const auto& [key, parameter] : parameters) {
        rows_.push_back(std::make_unique<RowObserver>(*this, static_cast<int>(rows_.size()), key));
        rows_.back()->attach(*parameter);
    }
}

ParameterTableModel::~ParameterTableModel() = default;

int ParameterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ParameterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ParameterTableModel::data(const QModelIndex& index, int role) const {
    const Parameter* parameter = parameterAt(index.row());
    if (!parameter || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (role == Qt::EditRole)
        return editText(parameter->getValue());
    return cellText(index.row(), index.column());
}

QString ParameterTableModel::cellText(int row, int column) const {
    const Parameter& parameter = *parameterAt(row);
    switch (column) {
    case IdColumn:
        return idText(rows_[static_cast<std::size_t>(row)]->key());
    case NameColumn:
        return nameText(parameter);
    case ValueColumn:
        return valueText(parameter);
    case RawColumn:
        return rawText(parameter.getValue());
    case EnabledColumn:
        return flagText(parameter.isEnabled());
    case VisibleColumn:
        return flagText(parameter.isVisible());
    case CategoryColumn:
        return QString(QChar::fromLatin1(parameter.category()));
    default:
        return {};
    }
}

QVariant ParameterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {"Id",      "Name",    "Value",  "Raw",
                                                    "Enabled", "Visible", "Refresh"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section])
                                                 : QVariant();
}

Qt::ItemFlags ParameterTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // Only what the operator could change from a control is edited here.
    if (index.column() == ValueColumn &&
        dynamic_cast<const ControlParameter*>(parameterAt(index.row())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ParameterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    Parameter* parameter = parameterAt(index.row());
    if (!parameter || role != Qt::EditRole || index.column() != ValueColumn)
        return false;
    ParameterValue typed;
    if (!parseEdit(value.toString(), parameter->getValue(), typed))
        return false;
    guard_([parameter, &typed] { parameter->setValue(typed); });
    // A refused value leaves the parameter silent: the row shows the value held again.
    rowChanged(index.row());
    return true;
}

Parameter* ParameterTableModel::parameterAt(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return nullptr;
    return rows_[static_cast<std::size_t>(row)]->subject();
}

void ParameterTableModel::rowChanged(int row) {
    // Only the cells whose text changed are announced, one by one: a meter notifies at every
    // step, mostly without a new text, and the view repaints exactly the cells announced singly
    // (a range would have it repaint the whole table).
    if (!parameterAt(row))
        return;
    auto& announced = rows_[static_cast<std::size_t>(row)]->announced();
    for (int column = ValueColumn; column <= VisibleColumn; ++column) {
        QString text = cellText(row, column);
        if (text == announced[static_cast<std::size_t>(column)])
            continue;
        announced[static_cast<std::size_t>(column)] = std::move(text);
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}
