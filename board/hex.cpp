#include "board/hex.h"

#include "board/counter.h"
#include "board/mappicture.h"

Hex::~Hex() = default;

AFPoint Hex::position() const {
    return click().position();
}

int Hex::index() const {
    return click().index();
}

void Hex::clear() {
    stack_.clear();
}

void Hex::rotate() {
    if (stack_.size() > 1)
        stack_.splice(stack_.begin(), stack_, std::prev(stack_.end()));
    redraw();
}

void Hex::erase() {
    mapPicture().restorePristine(counterArea());
}

void Hex::drawOutline(QRgb colour) {
    HexOutline outline = click().outline();
    if (outline.empty())
        return;
    outline.push_back(outline.front());
    mapPicture().drawPolyline(outline, colour);
}

void Hex::redraw() {
    erase();
    if (stack_.empty())
        return;
    const AFPoint step = stackStep();
    int k = 0;
    for (const Counter* counter : stack_) {
        counter->draw(mapPicture(), AFPoint(k * step.x, k * step.y), true);
        ++k;
    }
}

int Hex::count() const {
    return static_cast<int>(stack_.size());
}

Counter* Hex::top() const {
    return stack_.empty() ? nullptr : stack_.back();
}

Counter* Hex::popTop() {
    if (stack_.empty())
        return nullptr;
    Counter* counter = stack_.back();
    stack_.pop_back();
    redraw();
    return counter;
}

void Hex::push(Counter* counter) {
    add(counter);
    redraw();
}

void Hex::add(Counter* counter) {
    counter->moveTo(click());
    stack_.push_back(counter);
}

AFPoint Hex::stackStep() const {
    return AFPoint(0, stepFor(count()));
}

void Hex::copyClean(QImage& bitmap) const {
    bitmap = mapPicture().pristineCopy(counterArea());
}

QRect Hex::counterArea() const {
    const AFPoint p = position();
    return QRect(p.x, p.y, click().topEdgeWidth() + 3, click().hexHeight());
}

int Hex::stepFor(int n) {
    // Larger stacks pack tighter so that a stack never spreads more than 15 pixels down.
    if (n <= 1)
        return 0;
    if (n == 2)
        return 15;
    if (n == 3)
        return 7;
    if (n <= 5)
        return 3;
    if (n <= 8)
        return 2;
    if (n <= 15)
        return 1;
    return 0;
}
