#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Refuses a second running copy of the program for the same user: the first copy holds a lock
// file in the user's runtime folder for as long as it runs.
class SingleInstance final
{
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this process is the only copy (it then holds the lock until destroyed).
    bool acquire();

    static QString lockFilePath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
