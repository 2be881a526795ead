#pragma once

#include "common/DialogSeam.h"
#include "windows/AnalysisForm.h"

#include <functional>
#include <QString>

namespace velmora {

/// What a calculation dialog's "OK" tells the user instead of computing: the text, its icon and the
/// object name of the control the focus goes to (empty: the focus stays).
struct FormMessage {
    QString text;
    DialogSeam::Icon icon = DialogSeam::Icon::Warning;
    QString focus = {};

    bool operator==(const FormMessage&) const = default;
};

/// What "OK" of a calculation dialog comes to: the calculation is done; the user is told why not; nothing
/// happens at all (the inputs make no calculation, and the dialog stays without a word); the calculation
/// gives up and the dialog closes without a result, after the message if there is one; or an iteration
/// did not reach its target and the dialog stays with its warning shown.
struct FormResult {
    enum class Step { Done, Told, Ignored, Abandoned, NotConverged };
    Step step = Step::Done;
    FormMessage message;

    static FormResult done() { return {}; }
    static FormResult told(FormMessage message) { return {Step::Told, std::move(message)}; }
    static FormResult ignored() { return {Step::Ignored, {}}; }
    static FormResult abandoned(FormMessage message = {}) { return {Step::Abandoned, std::move(message)}; }
    static FormResult notConverged() { return {Step::NotConverged, {}}; }
};

/// The first check of a number edit of the treatment dialogs: the text converts as a number in the
/// locale's format. A blank text passes, so that the check that names the edit tells it.
inline bool convertsOrIsBlank(const QString& text) {
    return text.trimmed().isEmpty() || isValidNumberText(text);
}

/// A question a form asks with the buttons Yes and No: true for Yes.
using Confirmation = std::function<bool(const QString& question)>;

/// The message of a name left blank, with the focus on the name edit, "Analyse" unless named.
inline FormMessage missingNameFormMessage(const QString& nameEdit = QStringLiteral("Analyse")) {
    return {QString::fromUtf16(missingNameMessage), DialogSeam::Icon::Warning, nameEdit};
}

} // namespace velmora
