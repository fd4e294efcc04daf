#pragma once

#include <QtGlobal>
#include <condition_variable>
#include <mutex>

// Memory shared by the decodes in flight: each decode holds a share of it
// for what it is expected to take, and waits while the others hold too much.
// A decode larger than the whole budget still runs, alone. Safe to use from
// any thread; outlive every ticket taken from it.
class DecodeBudget {
public:
    // 640 MB keeps a compile (decodes, encoded copies, the program itself)
    // under 1 GB whatever its pictures.
    static constexpr qint64 kDefaultBytes = 640LL << 20;

    explicit DecodeBudget(qint64 bytes = kDefaultBytes) : capacity(bytes) {}
    DecodeBudget(const DecodeBudget&) = delete;
    DecodeBudget& operator=(const DecodeBudget&) = delete;

    // A share of the budget, given back when the ticket goes.
    class Ticket {
    public:
        Ticket() = default;
        Ticket(Ticket&& other) noexcept;
        Ticket& operator=(Ticket&& other) noexcept;
        ~Ticket();
        // Keeps only `bytes` of the share (a decode done keeps its result's).
        void shrinkTo(qint64 bytes);

    private:
        friend class DecodeBudget;
        Ticket(DecodeBudget* budget, qint64 bytes) : budget(budget), bytes(bytes) {}
        DecodeBudget* budget = nullptr;
        qint64 bytes = 0;
    };

    // Waits until `bytes` fit beside what others hold (or nothing else is
    // held) and takes them.
    Ticket take(qint64 bytes);
    qint64 held() const;

private:
    void give(qint64 bytes);

    const qint64 capacity;
    mutable std::mutex mutex;
    std::condition_variable freed;
    qint64 used = 0;
};
