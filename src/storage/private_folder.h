#pragma once
// A folder of this user's own that no one else may enter: a real folder (not a link to
// one), owned by the user, with no permissions for the group or others. The program keeps
// its single-instance lock and its recovery copies in such folders only.

#include <QString>

namespace private_folder {

// Whether `path` is such a folder as it stands.
bool holds(const QString& path);

// Creates `path` (and the folders above it) when missing and takes away what others may do
// in it; whether it is such a folder now. A link, another user's folder or a file stays as
// it is and gives false.
bool make(const QString& path);

} // namespace private_folder
