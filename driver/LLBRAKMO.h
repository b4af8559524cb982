#pragma once
// LLBRAKMO: the binding to the maker's driver library, loaded at run time so the program starts
// and works on a PC without the driver. It looks up the library's 33 entry points by name and
// keeps their addresses here; of them the program only ever calls GetNumCards.

#include <cstddef>
#include <cstdint>

namespace driver {

// The library's file name, loaded by its bare name so that the system's search order applies.
// It keeps its Windows-style name: a driver package for this system installs a shared object
// under that name on the library path.
inline constexpr const char* kDriverLibraryName = "BRAKMO.dll";
inline constexpr std::size_t kEntryPointCount = 33;

// The number of the maker's cards in the PC; zero or less means none. C calling convention.
using TGetNumCards = std::int32_t (*)();
// The entry points that are bound but never called: nothing here depends on their parameters.
using TDriverEntry = void (*)();

// Binds the library: does nothing once it is bound; otherwise loads it (a load that fails
// changes nothing and reports nothing) and looks up all 33 names again, a missing one leaving
// its variable null. The library is never unloaded.
void LoadDriverLibrary();

// The entry point at `index` (0 to 32, in the order they are looked up): its export name and
// whether its variable holds an address. An index past the end gives a null name.
struct TEntryPointState {
    const char* Name = nullptr;
    bool Found = false;
};
TEntryPointState EntryPoint(std::size_t index);

// True once the library is loaded and every one of the 33 entry points was found.
extern bool DriverLibraryBound;

// One variable per entry point, null while unresolved. Callers call GetNumCards whenever it is
// non-null, whether or not DriverLibraryBound is true.
extern TGetNumCards GetNumCards;
extern TDriverEntry QueryCardInfo;
extern TDriverEntry QueryBARBase;
extern TDriverEntry WaitForIRQ;
extern TDriverEntry COSWaitForIRQ;
extern TDriverEntry WDGHandleIRQ;
extern TDriverEntry AbortRequest;
extern TDriverEntry CloseCard;
extern TDriverEntry WDGInit;
extern TDriverEntry WDGSetTimeout;
extern TDriverEntry WDGSetResetDuration;
extern TDriverEntry WDGPet;
extern TDriverEntry WDGReadTemp;
extern TDriverEntry WDGReadStatus;
extern TDriverEntry WDGStart;
extern TDriverEntry WDGStop;
extern TDriverEntry EmergencyReboot;
extern TDriverEntry InPortB;
extern TDriverEntry OutPortB;
extern TDriverEntry InPort;
extern TDriverEntry OutPort;
extern TDriverEntry InPortL;
extern TDriverEntry OutPortL;
extern TDriverEntry InPortDWord;
extern TDriverEntry OutPortDWord;
extern TDriverEntry RelInPortB;
extern TDriverEntry RelOutPortB;
extern TDriverEntry RelInPort;
extern TDriverEntry RelOutPort;
extern TDriverEntry RelInPortL;
extern TDriverEntry RelOutPortL;
extern TDriverEntry RelInPortDWord;
extern TDriverEntry RelOutPortDWord;

}  // namespace driver
