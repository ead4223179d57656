#pragma once
// A table that only grows, kept in fixed blocks: appending never moves what
// is already there, so a table of hundreds of MiB (the match archive of a long
// game) grows without a copy of itself and without the spare half a doubling
// vector keeps. Indexed and iterated like a vector.
#include <algorithm>
#include <compare>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace world {

template <class T, std::size_t kBits = 12> class Blocos {
    static constexpr std::size_t kBloco = std::size_t{1} << kBits;
    static constexpr std::size_t kMascara = kBloco - 1;

public:
    using value_type = T;
    using size_type = std::size_t;

    template <bool Const> class Iterador {
        using Dono = std::conditional_t<Const, const Blocos, Blocos>;

    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::conditional_t<Const, const T*, T*>;
        using reference = std::conditional_t<Const, const T&, T&>;

        Iterador() = default;
        Iterador(Dono* d, std::size_t i) : d_(d), i_(i) {}
        operator Iterador<true>() const { return {d_, i_}; }

        reference operator*() const { return (*d_)[i_]; }
        pointer operator->() const { return &(*d_)[i_]; }
        reference operator[](difference_type n) const { return (*d_)[i_ + n]; }
        Iterador& operator++() { return ++i_, *this; }
        Iterador operator++(int) { return {d_, i_++}; }
        Iterador& operator--() { return --i_, *this; }
        Iterador operator--(int) { return {d_, i_--}; }
        Iterador& operator+=(difference_type n) { return i_ += n, *this; }
        Iterador& operator-=(difference_type n) { return i_ -= n, *this; }
        friend Iterador operator+(Iterador a, difference_type n) { return a += n; }
        friend Iterador operator+(difference_type n, Iterador a) { return a += n; }
        friend Iterador operator-(Iterador a, difference_type n) { return a -= n; }
        friend difference_type operator-(const Iterador& a, const Iterador& b) {
            return static_cast<difference_type>(a.i_) - static_cast<difference_type>(b.i_);
        }
        friend bool operator==(const Iterador& a, const Iterador& b) { return a.i_ == b.i_; }
        friend auto operator<=>(const Iterador& a, const Iterador& b) { return a.i_ <=> b.i_; }

    private:
        Dono* d_ = nullptr;
        std::size_t i_ = 0;
    };
    using iterator = Iterador<false>;
    using const_iterator = Iterador<true>;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    Blocos() = default;
    Blocos(std::initializer_list<T> l) { assign(l.begin(), l.end()); }
    Blocos(const std::vector<T>& v) { assign(v.begin(), v.end()); } // NOLINT: a table given whole
    Blocos& operator=(std::initializer_list<T> l) { return assign(l.begin(), l.end()), *this; }
    Blocos& operator=(const std::vector<T>& v) { return assign(v.begin(), v.end()), *this; }

    template <class It> void assign(It a, It b) {
        clear();
        for (; a != b; ++a) push_back(*a);
    }

    std::size_t size() const { return tamanho_; }
    bool empty() const { return tamanho_ == 0; }
    T& operator[](std::size_t i) { return blocos_[i >> kBits][i & kMascara]; }
    const T& operator[](std::size_t i) const { return blocos_[i >> kBits][i & kMascara]; }
    T& back() { return (*this)[tamanho_ - 1]; }
    const T& back() const { return (*this)[tamanho_ - 1]; }

    void push_back(const T& v) {
        if ((tamanho_ & kMascara) == 0 && (tamanho_ >> kBits) == blocos_.size()) {
            blocos_.emplace_back();
            // Full blocks are never reallocated: each one past the first is
            // sized once; the first grows as a vector, so a small game stays small.
            if (blocos_.size() > 1) blocos_.back().reserve(kBloco);
        }
        blocos_[tamanho_ >> kBits].push_back(v);
        ++tamanho_;
    }
    template <class... A> T& emplace_back(A&&... a) {
        push_back(T(std::forward<A>(a)...));
        return back();
    }
    void clear() {
        blocos_.clear();
        tamanho_ = 0;
    }
    // Room for n records in all, each block sized once to what it will hold:
    // a table read from a file is appended without a copy or spare room.
    void reserve(std::size_t n) {
        const std::size_t nb = (n + kMascara) >> kBits;
        if (nb > blocos_.size()) blocos_.resize(nb);
        for (std::size_t b = tamanho_ >> kBits; b < nb; ++b)
            blocos_[b].reserve(std::min(kBloco, n - (b << kBits)));
    }
    // Value-initialised records up to n (or cut to n), each block sized once.
    void resize(std::size_t n) {
        blocos_.resize((n + kMascara) >> kBits);
        for (std::size_t b = 0; b < blocos_.size(); ++b)
            blocos_[b].resize(std::min(kBloco, n - (b << kBits)));
        tamanho_ = n;
    }

    // The records as runs of contiguous memory, in order: for raw reads and
    // writes of the whole table.
    template <class F> void PorTrechos(F&& f) const {
        for (const auto& b : blocos_)
            if (!b.empty()) f(b.data(), b.size());
    }
    template <class F> bool PorTrechosMut(F&& f) {
        for (auto& b : blocos_)
            if (!b.empty() && !f(b.data(), b.size())) return false;
        return true;
    }

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, tamanho_}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, tamanho_}; }
    reverse_iterator rbegin() { return reverse_iterator(end()); }
    reverse_iterator rend() { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }

private:
    std::vector<std::vector<T>> blocos_;
    std::size_t tamanho_ = 0;
};

} // namespace world
