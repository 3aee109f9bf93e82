#pragma once

#include <QString>

namespace badinput {

// Puts a course folder on a small file system of its own (a tmpfs mounted over it), so a test
// can make it read-only or fill it up. Needs root; available() says whether mounting works
// here. The folder's files are copied onto the mount and back when it is removed.
class CourseMount {
public:
    static bool available();

    explicit CourseMount(QString root, int sizeKiB = 1024);
    ~CourseMount();
    bool mounted() const { return mounted_; }

    bool makeReadOnly();
    // Leaves no free space: every further write fails with "no space left".
    bool fill();

private:
    QString root_;
    QString side_;
    bool mounted_ = false;
};

} // namespace badinput
