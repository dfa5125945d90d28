#include "ui/qt/program_icon.h"

#include <QDir>
#include <QDirIterator>

namespace veltrop {

QIcon ProgramIcon() {
    QIcon icon;
    // Files only: given a directory first, QIcon would look its type up in
    // the MIME database, which is slow to load.
    for (QDirIterator it(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        icon.addFile(it.next());
    }
    return icon;
}

}  // namespace veltrop
