#pragma once
// The view port: after every command the core asks the window to show what
// it now says (fields, status panels, menu states, captions, the canvas).

namespace vellora {

class Vista {
public:
    virtual ~Vista() = default;
    virtual void Aggiorna() = 0;
};

} // namespace vellora
