#pragma once

#include <QString>

namespace zuvo::sheet {

// The pipe files an isolated office makes in /tmp: the one we connect through and the one
// it uses to find another instance on the same profile. The office removes them when it
// shuts down; one that was killed leaves them, so we remove them once it has ended.
class OfficePipes {
public:
    OfficePipes(const QString& pipeName, const QString& profileUrl);
    ~OfficePipes();
    OfficePipes(const OfficePipes&) = delete;
    OfficePipes& operator=(const OfficePipes&) = delete;

private:
    QString connectionPipe_;
    QString instancePipe_;
};

} // namespace zuvo::sheet
