#pragma once

#include "tests/common/fakepicturemodule.h"

#include <map>
#include <memory>

// Keeps each picture of another module after its first load and hands out shared copies,
// as the program's own modules do, so a benchmark measures drawing, not picture making.
class CachedPictureModule final : public PictureModule {
public:
    explicit CachedPictureModule(
        std::unique_ptr<PictureModule> inner = std::make_unique<FakePictureModule>())
        : inner_(std::move(inner)) {}

    QImage bitmap(int id) const override {
        auto it = cache_.find(id);
        if (it == cache_.end())
            it = cache_.emplace(id, inner_->bitmap(id)).first;
        return it->second;
    }
    bool contains(int id) const override { return inner_->contains(id); }
    QString name() const override { return inner_->name(); }

private:
    std::unique_ptr<PictureModule> inner_;
    mutable std::map<int, QImage> cache_;
};
