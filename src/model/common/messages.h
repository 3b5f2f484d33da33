#pragma once
// The messages an element of the document model collected. A large report has millions of
// elements and nearly all of them read without a word, so an empty list is one pointer.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace orsvelt {

class Messages {
 public:
  using List = std::vector<std::string>;
  using value_type = std::string;
  using const_iterator = List::const_iterator;
  using iterator = const_iterator;

  Messages() = default;
  Messages(std::initializer_list<std::string> texts) {
    if (texts.size() > 0) list_ = std::make_unique<List>(texts);
  }
  Messages(const Messages& other) : list_(other.empty() ? nullptr : std::make_unique<List>(*other.list_)) {}
  Messages& operator=(const Messages& other) {
    if (this != &other) list_ = other.empty() ? nullptr : std::make_unique<List>(*other.list_);
    return *this;
  }
  Messages(Messages&&) noexcept = default;
  Messages& operator=(Messages&&) noexcept = default;

  bool empty() const { return !list_ || list_->empty(); }
  std::size_t size() const { return list_ ? list_->size() : 0; }
  const std::string& front() const { return list_->front(); }
  const std::string& back() const { return list_->back(); }
  const std::string& operator[](std::size_t i) const { return (*list_)[i]; }
  const_iterator begin() const { return Items().begin(); }
  const_iterator end() const { return Items().end(); }

  void push_back(std::string text) { Own().push_back(std::move(text)); }
  void clear() { list_.reset(); }
  // Appends another list's messages in their order.
  void Append(const Messages& other) {
    if (!other.empty()) Own().insert(Own().end(), other.list_->begin(), other.list_->end());
  }

  // The texts as a plain list, for the protocols.
  operator const List&() const { return Items(); }

  friend bool operator==(const Messages& a, const Messages& b) { return a.Items() == b.Items(); }
  friend bool operator==(const Messages& a, const List& b) { return a.Items() == b; }

 private:
  static const List& None() {
    static const List none;
    return none;
  }
  const List& Items() const { return list_ ? *list_ : None(); }
  List& Own() {
    if (!list_) list_ = std::make_unique<List>();
    return *list_;
  }

  std::unique_ptr<List> list_;
};

}  // namespace orsvelt
