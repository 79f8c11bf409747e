#include "archive/Delays.h"

#include <algorithm>

namespace quintora {

namespace {

// Walks the draws one at a time and keeps, per number, where it was last seen.
class DelayCounter {
public:
    explicit DelayCounter(int numbers)
        : last_(static_cast<std::size_t>(numbers + 1), -1)
        , delays_(static_cast<std::size_t>(numbers)) {
        for (int n = 1; n <= numbers; ++n) {
            delays_[static_cast<std::size_t>(n - 1)].number = n;
        }
    }

    template <typename Numbers> void add(const Numbers& drawn) {
        for (auto n : drawn) {
            if (n < 1 || n >= static_cast<int>(last_.size()) || last_[n] == draws_) {
                continue; // out of range, or repeated within the draw
            }
            auto& d = delays_[static_cast<std::size_t>(n - 1)];
            d.longest = std::max(d.longest, draws_ - last_[n] - 1);
            ++d.count;
            last_[n] = draws_;
        }
        ++draws_;
    }

    std::vector<NumberDelay> finish() {
        for (auto& d : delays_) {
            d.current = draws_ - last_[static_cast<std::size_t>(d.number)] - 1;
            d.longest = std::max(d.longest, d.current);
        }
        return delays_;
    }
    int draws() const { return draws_; }

private:
    std::vector<int> last_; // per number, the index of the draw that last held it; -1 none
    std::vector<NumberDelay> delays_;
    int draws_ = 0;
};

} // namespace

EuroEra euroEraOn(const CalendarDate& date) {
    if (date >= CalendarDate{2022, 3, 25}) {
        return EuroEra{12, "25/03/2022"};
    }
    if (date >= CalendarDate{2014, 10, 10}) {
        return EuroEra{10, "10/10/2014"};
    }
    return EuroEra{8, {}};
}

ArchiveDelays computeDelays(const DrawArchive& archive) {
    ArchiveDelays out;
    DelayCounter main(MainNumberCount);
    std::vector<EuroEra> eras; // per counted draw
    std::vector<const Draw*> counted;
    EuroEra era;
    for (const auto& draw : archive.draws) {
        if (draw.isEmpty()) {
            continue;
        }
        main.add(draw.numbers);
        era = euroEraOn(draw.date);
        eras.push_back(era);
        counted.push_back(&draw);
    }
    out.draws = main.draws();
    out.main = main.finish();
    out.era = era;
    DelayCounter euro(era.euroMax);
    for (std::size_t i = 0; i < counted.size(); ++i) {
        if (eras[i].euroMax == era.euroMax) {
            euro.add(counted[i]->euro);
        }
    }
    out.eraDraws = euro.draws();
    out.euro = euro.finish();
    return out;
}

void sortDelays(std::vector<NumberDelay>& delays, DelayOrder order, bool descending) {
    const auto key = [order](const NumberDelay& d) {
        switch (order) {
        case DelayOrder::Current:
            return d.current;
        case DelayOrder::Longest:
            return d.longest;
        case DelayOrder::Count:
            return d.count;
        case DelayOrder::Number:
            break;
        }
        return d.number;
    };
    std::stable_sort(delays.begin(), delays.end(), [&](const auto& a, const auto& b) {
        if (key(a) != key(b)) {
            return descending ? key(a) > key(b) : key(a) < key(b);
        }
        return a.number < b.number;
    });
}

} // namespace quintora
