#pragma once

#include "common/DialogSeam.h"

#include <QString>

namespace velmora {

/// What a calculation dialog's "OK" tells the user instead of computing: the text, its icon and
/// whether the focus goes to the name edit.
struct FormMessage {
    QString text;
    DialogSeam::Icon icon = DialogSeam::Icon::Warning;
    bool aboutName = false;

    bool operator==(const FormMessage&) const = default;
};

} // namespace velmora
