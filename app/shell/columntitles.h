#pragma once

#include <QCoreApplication>
#include <QVariant>

#include <cstddef>
#include <iterator>

// A table model's horizontal header: the title of column `section` from `titles`, translated
// in the model's own context (its class name); nothing for another orientation or role, or a
// column it does not have.
template <std::size_t N>
QVariant columnTitle(const char* context, const char* const (&titles)[N], int section,
                     Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        std::size_t(section) >= N)
        return {};
    return QCoreApplication::translate(context, titles[section]);
}
