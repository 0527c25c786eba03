#pragma once

#include <QString>

#include <memory>

class CycleRegister;
class QLockFile;

// Two transfers into one register at once (two senders, a sender and
// migrate, two migrate runs) would each find a release missing and each add
// it: they take turns, each holding this lock from looking to adding. On a
// server it is a lock of the connection, on a register file a lock file
// beside it; either is given back when its process ends.
class TransferLock
{
public:
    // Waits for the lock of the register `to`.
    explicit TransferLock(CycleRegister &to);
    ~TransferLock();
    TransferLock(const TransferLock &) = delete;
    TransferLock &operator=(const TransferLock &) = delete;

    bool isLocked() const { return locked; }
    QString errorString() const { return error; }

private:
    CycleRegister &to;
    std::unique_ptr<QLockFile> file;
    bool locked = false;
    QString error;
};
