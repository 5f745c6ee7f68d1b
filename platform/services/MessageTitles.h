#pragma once

#include <QString>

// Titles the programs give their message boxes.
namespace MessageTitle {
inline QString notice() {
    return QStringLiteral("友情提示");
}
} // namespace MessageTitle
