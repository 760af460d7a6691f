#include "app/shell/hextext.h"

#include "geometry/hexgrid.h"

#include <QCoreApplication>

namespace hextext {

namespace {

bool onBoard(int hex) {
    return hexgrid::isValidHex(hex) && hexgrid::isOnBoard(hex);
}

QString offBoard() {
    return QCoreApplication::translate("HexText", "Off board");
}

} // namespace

QString label(int hex) {
    return onBoard(hex) ? QString::fromStdString(hexgrid::hexLabel(hex)) : offBoard();
}

QString shortLabel(int hex) {
    return onBoard(hex) ? QString::fromStdString(hexgrid::hexLabel(hex)).mid(6) : offBoard();
}

} // namespace hextext
