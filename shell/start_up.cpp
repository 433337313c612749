#include "shell/start_up.h"

#include "modules/patient_context.h"
#include "shell/object_factory.h"
#include "shell/ppc_orvane_app.h"
#include "shell/preferences_store.h"

namespace orvane {

namespace {

StoredMeasure storedMeasure(const InputField& field) {
    return StoredMeasure{field.unit, field.fraction, field.value};
}

// The preferences as stored, with the patient values and the history position of this run.
void storePatientValues(PPCOrvaneApp& app, PatientContext& patient) {
    const std::unique_ptr<PreferencesStore> store = objectFactory().createPreferencesStore();
    Preferences prefs = store->read();
    prefs.historyPosition = app.hasHistory() ? app.history().current() : -1;
    prefs.adultWeight = storedMeasure(patient.adultWeight());
    prefs.childWeight = storedMeasure(patient.childWeight());
    prefs.height = storedMeasure(patient.height());
    prefs.headCircumference = storedMeasure(patient.headCircumference());
    prefs.age = patient.age().value;
    prefs.sex = patient.sex().unit;
    prefs.keypadShown = patient.keypadShown();
    store->write(prefs);
}

}  // namespace

int runStartUpSequence(PPCOrvaneApp& app, PatientContext& patient) {
    TraceScope trace(app.trace(), "PPCOrvaneApp::StartUp");
    app.Initialise();

    const int64_t shownAt = app.MonotonicMs();
    app.ShowSplash();
    if (app.QuitRequested() || !app.WaitUntil(shownAt + kSplashMinimumMs)) return 0;
    app.EndSplash();

    {
        const std::unique_ptr<PreferencesStore> store = objectFactory().createPreferencesStore();
        const Preferences prefs = store->read();
        if (prefs.showDisclaimer != 0) {
            app.ShowDisclaimer(0);
            if (app.QuitRequested()) return 0;
        }
        patient.setKeypadShown(prefs.keypadShown);
    }

    NavigationHistory& history = app.history();
    history.clear();
    history.push(HomeEntry());
    history.showCurrent();

    app.Run();
    storePatientValues(app, patient);
    return 0;
}

}  // namespace orvane
