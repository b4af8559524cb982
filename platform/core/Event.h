#pragma once
// A (method, object) pair: the handler type of every component event.
//
// Unlike std::function it can be compared and cleared as a whole, which the components rely on
// ("is this event assigned?", "is it still bound to that object?"), and it costs no allocation.

#include <cstring>
#include <type_traits>

namespace platform {

class TObject;

template <typename Signature>
class TMethodEvent;

// R is what the handler returns; an event that is not assigned returns R's empty value.
template <typename R, typename... Args>
class TMethodEvent<R(Args...)> {
public:
    TMethodEvent() = default;

    template <class C>
    TMethodEvent(R (C::*method)(Args...), C* object)
        : FObject(object), FInvoke(&Invoke<C>)
    {
        static_assert(sizeof(method) <= sizeof(FCode), "member pointer larger than expected");
        std::memcpy(FCode, &method, sizeof(method));
    }

    explicit operator bool() const { return FInvoke != nullptr; }
    bool Assigned() const { return FInvoke != nullptr; }
    void Clear() { *this = TMethodEvent(); }
    // The object the handler runs on.
    void* Data() const { return FObject; }

    R operator()(Args... args) const
    {
        if (FInvoke)
            return FInvoke(*this, args...);
        if constexpr (!std::is_void_v<R>)
            return R();
    }

    friend bool operator==(const TMethodEvent& a, const TMethodEvent& b)
    {
        return a.FObject == b.FObject && a.FInvoke == b.FInvoke &&
               std::memcmp(a.FCode, b.FCode, sizeof(FCode)) == 0;
    }

private:
    using TInvoker = R (*)(const TMethodEvent&, Args...);

    template <class C>
    static R Invoke(const TMethodEvent& self, Args... args)
    {
        R (C::*method)(Args...);
        std::memcpy(&method, self.FCode, sizeof(method));
        return (static_cast<C*>(self.FObject)->*method)(args...);
    }

    void* FObject = nullptr;
    TInvoker FInvoke = nullptr;
    // Big enough for a member pointer of a class with multiple or virtual bases.
    alignas(void*) unsigned char FCode[2 * sizeof(void*) + sizeof(long)] = {};
};

// Most events are procedures: TEvent<TObject*> is a handler taking the sender.
template <typename... Args>
using TEvent = TMethodEvent<void(Args...)>;

// Binds a handler: Method(&TMainForm::Exit2Click, form).
template <class C, class D, typename R, typename... Args>
TMethodEvent<R(Args...)> Method(R (C::*method)(Args...), D* object)
{
    return TMethodEvent<R(Args...)>(method, static_cast<C*>(object));
}

using TNotifyEvent = TEvent<TObject*>;

}  // namespace platform
