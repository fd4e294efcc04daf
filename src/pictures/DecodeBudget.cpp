#include "pictures/DecodeBudget.h"

#include <algorithm>
#include <utility>

DecodeBudget::Ticket::Ticket(Ticket&& other) noexcept
    : budget(std::exchange(other.budget, nullptr)), bytes(std::exchange(other.bytes, 0)) {}

DecodeBudget::Ticket& DecodeBudget::Ticket::operator=(Ticket&& other) noexcept {
    if (this != &other) {
        shrinkTo(0);
        budget = std::exchange(other.budget, nullptr);
        bytes = std::exchange(other.bytes, 0);
    }
    return *this;
}

DecodeBudget::Ticket::~Ticket() {
    shrinkTo(0);
}

void DecodeBudget::Ticket::shrinkTo(qint64 keep) {
    keep = std::clamp<qint64>(keep, 0, bytes);
    if (budget && keep < bytes)
        budget->give(bytes - keep);
    bytes = keep;
}

DecodeBudget::Ticket DecodeBudget::take(qint64 bytes) {
    bytes = std::max<qint64>(bytes, 0);
    std::unique_lock lock(mutex);
    freed.wait(lock, [&] { return used == 0 || used + bytes <= capacity; });
    used += bytes;
    return Ticket(this, bytes);
}

qint64 DecodeBudget::held() const {
    std::lock_guard lock(mutex);
    return used;
}

void DecodeBudget::give(qint64 bytes) {
    {
        std::lock_guard lock(mutex);
        used -= bytes;
    }
    freed.notify_all();
}
