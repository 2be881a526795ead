#pragma once

#include <array>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora {

/// The members of a project, filed under the ten categories of the project tree (the window types in
/// their order), each list in file order.
using ProjectMembers = std::array<QStringList, 10>;

/// The category names of the tree, in its order.
QStringList projectCategories();

/// A project file as it is created: the line name + ".wpr", then the seven categories of the first
/// program version (code page 1252, CR LF).
QByteArray newProjectText(const QString& name);
/// A project file in tree form: every category on its own line, each member below it after a tab.
QByteArray projectTreeText(const ProjectMembers& members);
/// The members a project file names: every line, stripped of blanks and tabs, whose extension (in any
/// case) is a data file's, under that type's category. Paths keep their letter case.
ProjectMembers readProjectMembers(const QByteArray& content);
/// The lines of a project file, stripped of blanks and tabs, in file order.
QStringList projectLines(const QByteArray& content);

/// The bytes of a project file; nothing when it cannot be opened or is larger than any project is
/// (4 MB), so that a file named ".wpr" by mistake is not taken in whole.
std::optional<QByteArray> readProjectFile(const QString& path);

} // namespace velmora
