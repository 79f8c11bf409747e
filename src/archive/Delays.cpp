#include "archive/Delays.h"

#include <algorithm>
#include <charconv>

namespace quintora {

namespace {

// "DD/MM/YYYY" as yyyymmdd.
std::optional<int> dayOf(const std::string& date) {
    if (date.size() != DrawDateWidth || date[2] != '/' || date[5] != '/') {
        return std::nullopt;
    }
    const auto field = [&](std::size_t at, std::size_t width) -> std::optional<int> {
        int value = 0;
        const char* first = date.data() + at;
        const auto [end, error] = std::from_chars(first, first + width, value);
        if (error != std::errc{} || end != first + width) {
            return std::nullopt;
        }
        return value;
    };
    const auto day = field(0, 2), month = field(3, 2), year = field(6, 4);
    if (!day || !month || !year || *day < 1 || *day > 31 || *month < 1 || *month > 12) {
        return std::nullopt;
    }
    return *year * 10000 + *month * 100 + *day;
}

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

std::optional<EuroEra> euroEraOn(const std::string& date) {
    const auto day = dayOf(date);
    if (!day) {
        return std::nullopt;
    }
    if (*day >= 20220325) {
        return EuroEra{12, "25/03/2022"};
    }
    if (*day >= 20141010) {
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
        if (const auto known = euroEraOn(draw.drawDate)) {
            era = *known;
        }
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
