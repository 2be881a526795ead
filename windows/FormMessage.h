#pragma once

#include "common/DialogSeam.h"
#include "windows/AnalysisForm.h"

#include <QString>

namespace velmora {

/// What a calculation dialog's "OK" tells the user instead of computing: the text, its icon and the
/// object name of the control the focus goes to (empty: the focus stays).
struct FormMessage {
    QString text;
    DialogSeam::Icon icon = DialogSeam::Icon::Warning;
    QString focus;

    bool operator==(const FormMessage&) const = default;
};

/// What "OK" of a calculation dialog comes to: the calculation is done, the user is told why not, or
/// nothing happens at all (the inputs make no calculation, and the dialog stays without a word).
struct FormResult {
    enum class Step { Done, Told, Ignored };
    Step step = Step::Done;
    FormMessage message;

    static FormResult done() { return {}; }
    static FormResult told(FormMessage message) { return {Step::Told, std::move(message)}; }
    static FormResult ignored() { return {Step::Ignored, {}}; }
};

/// The message of a name left blank, with the focus on the name edit "Analyse".
inline FormMessage missingNameFormMessage() {
    return {QString::fromUtf16(missingNameMessage), DialogSeam::Icon::Warning, QStringLiteral("Analyse")};
}

} // namespace velmora
