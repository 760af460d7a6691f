#include "board/picturemodule.h"

ResourceError::ResourceError(const QString& module, int id)
    : std::runtime_error("Picture " + std::to_string(id) + " is missing from " +
                         module.toStdString()),
      reason_("picture " + std::to_string(id) + " is missing") {}

ResourceError::ResourceError(const QString& module, const std::string& why)
    : std::runtime_error(module.toStdString() + ": " + why), reason_(why) {}
