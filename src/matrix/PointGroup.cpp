#include "matrix/PointGroup.h"

#include "matrix/FiniteField.h"

#include <cstddef>
#include <numeric>

namespace quintora {

namespace {

using Permutation = std::vector<std::uint8_t>;

Permutation identity(int v) {
    Permutation p(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) {
        p[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
    return p;
}

// Z_n on the points 0..n-1, the points n..v-1 fixed.
PointGroup cyclic(int n, int v) {
    Permutation shift = identity(v);
    for (int i = 0; i < n; ++i) {
        shift[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i + 1) % n);
    }
    std::string name = "Z" + std::to_string(n);
    if (v > n) {
        name += "+" + std::to_string(v - n);
    }
    return {name, static_cast<std::uint64_t>(n), {shift}};
}

// Z_a x Z_b acting on itself (point x·b + y), the points a·b..v-1 fixed; for a and b with a
// common divisor it is not cyclic.
PointGroup product(int a, int b, int v) {
    Permutation first = identity(v);
    Permutation second = identity(v);
    for (int x = 0; x < a; ++x) {
        for (int y = 0; y < b; ++y) {
            first[static_cast<std::size_t>(x * b + y)] =
                static_cast<std::uint8_t>((x + 1) % a * b + y);
            second[static_cast<std::size_t>(x * b + y)] =
                static_cast<std::uint8_t>(x * b + (y + 1) % b);
        }
    }
    std::string name = "Z" + std::to_string(a) + "xZ" + std::to_string(b);
    if (v > a * b) {
        name += "+" + std::to_string(v - a * b);
    }
    return {name, static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b), {first, second}};
}

// Translations x -> x + b of the field on the points 0..q-1 (one per digit place, which
// generate them all), the points q..v-1 fixed.
void addTranslations(const FiniteField& field, int v, std::vector<Permutation>& out) {
    const int q = field.order();
    for (int place = 1; place < q; place *= field.characteristic()) {
        Permutation p = identity(v);
        for (int x = 0; x < q; ++x) {
            p[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(field.add(x, place));
        }
        out.push_back(p);
    }
}

Permutation scaling(const FiniteField& field, int a, int v) {
    Permutation p = identity(v);
    for (int x = 0; x < field.order(); ++x) {
        p[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(field.multiply(a, x));
    }
    return p;
}

// x -> a·x + b, a in the subgroup of order d of the units; the points q..v-1 fixed.
PointGroup affine(const FiniteField& field, int d, int v) {
    const int q = field.order();
    PointGroup g{"AGL" + std::to_string(q) + "/" + std::to_string(d),
                 static_cast<std::uint64_t>(q) * static_cast<std::uint64_t>(d),
                 {}};
    if (v > q) {
        g.name += "+" + std::to_string(v - q);
    }
    addTranslations(field, v, g.generators);
    if (d > 1) {
        g.generators.push_back(scaling(field, field.power(field.primitive(), (q - 1) / d), v));
    }
    return g;
}

// PGL(2,q), or PSL(2,q) for odd q, on the projective line: the field's points and infinity = q.
PointGroup projective(const FiniteField& field, bool special) {
    const int q = field.order();
    const int v = q + 1;
    const auto qq = static_cast<std::uint64_t>(q);
    PointGroup g{std::string(special ? "PSL" : "PGL") + "(2," + std::to_string(q) + ")",
                 qq * (qq * qq - 1) / (special ? 2 : 1),
                 {}};
    addTranslations(field, v, g.generators);
    const int g1 = field.primitive();
    g.generators.push_back(scaling(field, special ? field.multiply(g1, g1) : g1, v));
    // x -> -1/x swaps 0 and infinity.
    Permutation flip = identity(v);
    flip[0] = static_cast<std::uint8_t>(q);
    flip[static_cast<std::size_t>(q)] = 0;
    for (int x = 1; x < q; ++x) {
        flip[static_cast<std::size_t>(x)] =
            static_cast<std::uint8_t>(field.negate(field.inverse(x)));
    }
    g.generators.push_back(flip);
    return g;
}

void addAffineGroups(const FiniteField& field, int v, std::vector<PointGroup>& out) {
    const int q = field.order();
    for (int d = 1; d <= q - 1; ++d) {
        // For a prime q the translations alone are the cyclic group, already tried.
        if ((q - 1) % d == 0 && !(d == 1 && field.degree() == 1)) {
            out.push_back(affine(field, d, v));
        }
    }
}

} // namespace

std::vector<PointGroup> coveringGroups(int v) {
    std::vector<PointGroup> groups;
    for (int fixed = 0; fixed <= 2; ++fixed) {
        if (v - fixed >= 3) {
            groups.push_back(cyclic(v - fixed, v));
        }
    }
    for (int fixed = 0; fixed <= 1; ++fixed) {
        const int n = v - fixed;
        for (int a = 2; a * a <= n; ++a) {
            if (n % a == 0 && std::gcd(a, n / a) > 1 && !FiniteField::ofOrder(n)) {
                groups.push_back(product(a, n / a, v));
            }
        }
    }
    if (const auto field = FiniteField::ofOrder(v)) {
        addAffineGroups(*field, v, groups);
    }
    if (const auto field = FiniteField::ofOrder(v - 1)) {
        addAffineGroups(*field, v, groups);
        groups.push_back(projective(*field, false));
        if (field->characteristic() != 2) {
            groups.push_back(projective(*field, true));
        }
    }
    return groups;
}

} // namespace quintora
