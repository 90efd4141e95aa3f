// What the breakdown window must learn at given moments of a run. The engine calls these
// on its worker thread, in the order the run passes them; a window delivers them to its
// own thread and never touches the engine's state from here.
#pragma once

namespace varion {

enum class BontasVege { Befejezett, Megallitott };

class BontasEsemenyek {
public:
    virtual ~BontasEsemenyek() = default;
    // The matrix is full: the growth question (or the memory error) comes next.
    virtual void BovitesKerdesElott() {}
    // The player agreed: Stop and "Háttérben" are off while the matrix grows.
    virtual void BovitesKezdodik() {}
    // The growth is over (done, declined or failed): the window takes input again.
    virtual void BovitesVege() {}
    // Memory is too short to go on: the error message comes next.
    virtual void MemoriaHibaElott() {}
    // The run is over; its end-of-run messages, if any, follow this event.
    virtual void FutasVege(BontasVege) {}
    // The worker has returned: nothing of the run writes the engine any more.
    virtual void SzalVege() {}
};

} // namespace varion
