#include "matrix/FiniteField.h"

#include <cstddef>

namespace quintora {

namespace {

bool isPrime(int n) {
    if (n < 2) {
        return false;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

// Digit-wise operations on base-p numbers of n digits.
int digitSum(int a, int b, int p, int n) {
    int result = 0;
    for (int i = 0, place = 1; i < n; ++i, place *= p) {
        result += ((a / place % p + b / place % p) % p) * place;
    }
    return result;
}

} // namespace

std::optional<FiniteField> FiniteField::ofOrder(int q) {
    if (q < 2 || q > 64) {
        return std::nullopt;
    }
    for (int p = 2; p <= q; ++p) {
        if (!isPrime(p)) {
            continue;
        }
        int n = 0;
        int rest = q;
        while (rest % p == 0) {
            rest /= p;
            ++n;
        }
        if (rest == 1) {
            return FiniteField(q, p, n);
        }
        if (n > 0) {
            return std::nullopt; // another prime divides q
        }
    }
    return std::nullopt;
}

FiniteField::FiniteField(int q, int p, int n)
    : q_(q)
    , p_(p)
    , n_(n)
    , sum_(static_cast<std::size_t>(q * q))
    , log_(static_cast<std::size_t>(q), 0) {
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            sum_[static_cast<std::size_t>(a * q + b)] = digitSum(a, b, p, n);
        }
    }
    // Multiplying by x shifts the digits up and folds the top digit back with the reducing
    // polynomial x^n = c(x); a c(x) whose x has order q - 1 makes x primitive. For n = 1 the
    // "polynomial" is the constant c, and multiplying by x is multiplying by c.
    const int top = q / p; // place of the digit x^(n-1)
    for (int c = 1; c < q; ++c) {
        const auto times = [&](int a) {
            if (n == 1) {
                return a * c % p;
            }
            const int high = a / top;
            const int shifted = (a % top) * p;
            int folded = 0;
            for (int i = 0; i < high; ++i) {
                folded = digitSum(folded, c, p, n);
            }
            return digitSum(shifted, folded, p, n);
        };
        exp_.assign(1, 1);
        int a = 1;
        for (int i = 1; i < q - 1; ++i) {
            a = times(a);
            if (a == 1 || a == 0) {
                break;
            }
            exp_.push_back(a);
        }
        if (static_cast<int>(exp_.size()) == q - 1 && times(a) == 1) {
            for (int i = 0; i < q - 1; ++i) {
                log_[static_cast<std::size_t>(exp_[static_cast<std::size_t>(i)])] = i;
            }
            if (q == 2) {
                exp_.push_back(1); // primitive() reads exp_[1]
            }
            return;
        }
    }
}

int FiniteField::negate(int a) const {
    for (int b = 0; b < q_; ++b) {
        if (add(a, b) == 0) {
            return b;
        }
    }
    return 0;
}

int FiniteField::multiply(int a, int b) const {
    if (a == 0 || b == 0) {
        return 0;
    }
    const int e =
        (log_[static_cast<std::size_t>(a)] + log_[static_cast<std::size_t>(b)]) % (q_ - 1);
    return exp_[static_cast<std::size_t>(e)];
}

int FiniteField::inverse(int a) const {
    const int e = (q_ - 1 - log_[static_cast<std::size_t>(a)]) % (q_ - 1);
    return exp_[static_cast<std::size_t>(e)];
}

int FiniteField::power(int a, long e) const {
    if (a == 0) {
        return 0;
    }
    const long m = q_ - 1;
    const long l = (log_[static_cast<std::size_t>(a)] * (e % m) % m + m) % m;
    return exp_[static_cast<std::size_t>(l)];
}

} // namespace quintora
