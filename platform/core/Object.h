#pragma once
// The root of the class library: every class that a layout can name, or that the components test
// by class name, derives from TObject and declares PLATFORM_CLASS so that ClassName() returns its
// registered name rather than the name of some base.

#include <string>
#include <string_view>

namespace platform {

class TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }

    std::string ClassName() const;
    // True for this class and every class derived from the one named.
    bool InheritsFrom(std::string_view className) const;
};

// True for an object of exactly class T, not of a class derived from it: the test components make
// of a neighbour's class. Compares registrations, so two classes that share a name still differ.
template <class T>
bool IsExactly(const TObject* object)
{
    return object && &object->ClassType() == &T::StaticClass();
}

// Declares the class's registration; the matching definition of StaticClass() sits in the .cpp,
// next to the class's published properties.
#define PLATFORM_CLASS(Cls)                                              \
public:                                                                  \
    static const ::platform::TClassInfo& StaticClass();                  \
    const ::platform::TClassInfo& ClassType() const override { return StaticClass(); }

// Something that can copy its state from another object of a compatible class.
class TPersistent : public TObject {
    PLATFORM_CLASS(TPersistent)
public:
    virtual void Assign(const TPersistent& source);
};

}  // namespace platform
