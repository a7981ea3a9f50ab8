#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>

namespace tallies {

// One drawing object (a brush) per slot, made for the colour the slot has now. The colour is
// asked for at every use: when the desktop's colours change (a theme, a high-contrast scheme),
// the next use makes the object anew and frees the stale one, so nothing keeps painting in the
// colours of the theme before.
template <typename Handle, std::size_t Slots>
class ColourKeyedCache {
 public:
  using Make = std::function<Handle(std::uint32_t colour)>;
  using Free = std::function<void(Handle)>;

  ColourKeyedCache(Make make, Free free) : m_make(std::move(make)), m_free(std::move(free)) {}
  ~ColourKeyedCache() {
    for (Entry& entry : m_entries) {
      if (entry.handle) m_free(entry.handle);
    }
  }
  ColourKeyedCache(const ColourKeyedCache&) = delete;
  ColourKeyedCache& operator=(const ColourKeyedCache&) = delete;

  // The slot's object for `colour`: the one made before while the colour is the same.
  Handle For(std::size_t slot, std::uint32_t colour) {
    Entry& entry = m_entries.at(slot);
    if (entry.handle && entry.colour == colour) return entry.handle;
    Handle fresh = m_make(colour);
    // Should the new one not be made, the old one keeps painting rather than nothing.
    if (!fresh) return entry.handle;
    if (entry.handle) m_free(entry.handle);
    entry = {fresh, colour};
    return fresh;
  }

 private:
  struct Entry {
    Handle handle{};
    std::uint32_t colour = 0;
  };
  Make m_make;
  Free m_free;
  std::array<Entry, Slots> m_entries{};
};

}  // namespace tallies
