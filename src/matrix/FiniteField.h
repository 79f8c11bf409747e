#pragma once

#include <optional>
#include <vector>

namespace quintora {

// Arithmetic in the finite field of q elements, q a prime power up to 64. The elements are
// 0..q-1: the base-p digits of a polynomial over the integers mod p, reduced by a primitive
// polynomial; 0 and 1 are the field's zero and one.
class FiniteField {
public:
    static std::optional<FiniteField> ofOrder(int q); // nullopt unless q is a prime power <= 64

    int order() const { return q_; }
    int characteristic() const { return p_; }
    int degree() const { return n_; } // q = p^degree
    int add(int a, int b) const { return sum_[static_cast<std::size_t>(a * q_ + b)]; }
    int negate(int a) const;
    int multiply(int a, int b) const;
    int inverse(int a) const;                 // a != 0
    int primitive() const { return exp_[1]; } // generates the nonzero elements
    int power(int a, long e) const;           // a != 0 or e > 0

private:
    FiniteField(int q, int p, int n);

    int q_;
    int p_;
    int n_;
    std::vector<int> sum_; // q x q addition table
    std::vector<int> exp_; // exp_[i] = primitive^i, i = 0..q-2
    std::vector<int> log_; // inverse of exp_ on the nonzero elements
};

} // namespace quintora
