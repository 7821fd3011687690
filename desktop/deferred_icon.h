#pragma once

#include <QIcon>
#include <QString>

namespace lernwerk {

// An icon read from `fileName` only when it is first drawn or asked for a
// picture. The menus hold many icons that most runs never show; reading them
// all at once slowed the program's start.
QIcon deferredIcon(const QString& fileName);

}  // namespace lernwerk
