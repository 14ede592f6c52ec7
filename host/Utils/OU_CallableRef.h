// A non-owning reference to something callable, for callbacks that are used only during the
// call they are passed to: CallableRef<int(int)> f = [&](int x) { return x + base; }; the
// referenced callable must outlive every call through the reference.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace Vesk {

template <typename Signature>
class CallableRef;

template <typename Result, typename... Arguments>
class CallableRef<Result(Arguments...)> {
 public:
  template <typename Callable,
            typename = std::enable_if_t<!std::is_same_v<std::decay_t<Callable>, CallableRef> &&
                                        std::is_invocable_r_v<Result, Callable&, Arguments...>>>
  CallableRef(Callable&& callable)  // NOLINT: converts implicitly, as a function pointer would
      : _object(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
        _call([](void* object, Arguments... arguments) -> Result {
          return (*static_cast<std::remove_reference_t<Callable>*>(object))(
              std::forward<Arguments>(arguments)...);
        }) {}

  Result operator()(Arguments... arguments) const {
    return _call(_object, std::forward<Arguments>(arguments)...);
  }

 private:
  void* _object;
  Result (*_call)(void*, Arguments...);
};

}  // namespace Vesk
