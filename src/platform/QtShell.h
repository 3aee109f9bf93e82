#pragma once

#include "common/ports/Shell.h"

namespace platform {

// Web pages in the default browser, programs started on their own.
class QtShell : public ports::Shell {
public:
    bool openUrl(const QString& url) override;
    bool startDetached(const QString& program, const QStringList& arguments = {}) override;
};

} // namespace platform
