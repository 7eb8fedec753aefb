<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Tačno lociranje</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivo</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Upravljanje</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Dugotrajno</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cevi</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Pressuresensor</source>
        <translation type="obsolete">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="obsolete">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="obsolete">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Merenja</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Prenos podataka</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriranje</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Podešavanja</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Taster utišavanja</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Zaštita sluha</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Prilagodi prikaze</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Uparene slušalice</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Upareni RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Omiljeni taster</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Osvetljenost</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Ušteda energije</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informacije o sistemu</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Fabrička podešavanja</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vreme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Vremenska zona</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Letnje/zimsko vreme</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prekidač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivno</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivno</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Različita podešavanja</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>srednja</translation>
    </message>
    <message>
        <source>high</source>
        <translation>visoka</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Letnje vreme</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimsko vreme</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nikad</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Snimak ekrana</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Merenje nivoa</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dugotrajno merenje</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sledeća strana</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Tačno lociranje</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cevi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Podešavanja nije moguće sačuvati. Promene će se izgubiti pri isključivanju uređaja.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Engleski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Nemački</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italijanski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kineski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Češki</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Mađarski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruski</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenački</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poljski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunski</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovački</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švedski</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finski</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danski</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveški</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bugarski</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejski</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turski</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug meni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije ovog servisnog menija nisu dostupne u ovoj verziji.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Ova funkcija nije dostupna u ovoj verziji.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Fabrički test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije ovog servisnog menija nisu dostupne u ovoj verziji.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Senzor nije moguće prepoznati.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Napon baterije RM-3 je prenizak. Napunite bateriju.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Tip senzora nije prepoznat. Pričvrstite senzor ili očistite kontakte.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Baterija je skoro prazna. Napunite je.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Unesite naziv</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Briši</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Razmak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Nema senzora</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmver</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Pojačanje</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Senzor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Režim tastera</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT naziv</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT adresa</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Ponovo
pročitaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nema Bluetooth veze. Proverite RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Upit ka RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Nema odgovora od RM-3. Proverite da li je uključen i u blizini.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Pretvarač pritiska</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Dostignut je maksimalan broj merenja. Merenje neće biti sačuvano. Obrišite stara merenja.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Broj merenja je blizu granice. Obrišite stara merenja.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Nema dovoljno mesta u memoriji podataka. Merenje nije sačuvano. Obrišite stara merenja.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Merenje nije moguće sačuvati.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Pojasni filter uklj.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filter isklj.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Donja granica</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Gornja granica</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Autom. filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Bez filtera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Tiše</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Glasnije</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Upozorenje! Velika jačina zvuka
može oštetiti sluh.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Pojačanje žičanog ulaza</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Pojačanje senzora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reprodukuj snimak</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zaustavi reprodukciju</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Pojačanje slušalica</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Nivo</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Vrh</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="obsolete">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="obsolete">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="obsolete">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="obsolete">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="obsolete">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="obsolete">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Prethodna strana</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi merenje</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtriraj merenja</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sledeća strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nema sačuvanih merenja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Merenje nije moguće obrisati.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Merenje nije moguće preimenovati. Možda drugo merenje ima isti naziv.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi merenje</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Promeni naziv</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Tačno lociranje</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Merenje nivoa</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cevi</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2 merenje</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Dugotrajno merenje</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Obrisati ovo merenje zajedno sa snimcima?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Ovo merenje nema snimak.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Snimak nije moguće reprodukovati.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Napomena</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Napomena</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Za ovo merenje potrebno je
priključiti akustični senzor.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Ovo merenje je oštećeno. Vrednosti se ne mogu prikazati.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nema Bluetooth veze. Proverite RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Za ovo merenje potrebno je
priključiti H2 senzor.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala stubaca</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Obriši poslednju poziciju</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Podešavanja</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reprodukuj snimak</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zaustavi reprodukciju</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Sledeća pozicija</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Vreme analize</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Auto skala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Podešavanja</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Postavi referencu</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Jačina slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Tačke</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Vremenska osa</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Osa pritiska</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Prethodno</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sledeće</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Nema pretvarača</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini vezu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC sada može da čita merenja.
Izbacite disk na PC-ju,
zatim pritisnite Prekini vezu.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Povežite KXE500 sa PC-jem
i pritisnite taster Poveži.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="obsolete">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="obsolete">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="obsolete">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>Ove datoteke sa PC-ja nije bilo moguće izvršiti:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Ažuriranje firmvera</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini vezu</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalirano</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Pokreni ažuriranje</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Datoteka firmvera %1 nije pronađena.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nema oznaku verzije (npr. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Kopirajte datoteke firmvera.
Kada su sve datoteke kopirane,
pritisnite taster Prekini vezu.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Povežite KXE500 sa PC-jem
i pritisnite taster Poveži.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Ažuriraj KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Ažuriraj RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Pronađeno %1 datoteka firmvera; nudi se najnovija.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Datoteku firmvera nije moguće pročitati. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Ažuriranje KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopiranje datoteka, sačekajte ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmver nije moguće kopirati. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Ažuriranje firmvera KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Sve datoteke kopirane.
Sačekajte ponovno pokretanje ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Ažuriranje RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Prenos firmvera, sačekajte ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Greška pri ažuriranju firmvera. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmver prenet.
Sačekajte ponovno pokretanje RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Ažuriranje firmvera uspešno.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Ažuriranje firmvera RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Ažuriranje firmvera uspešno završeno.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 i dalje prijavljuje firmver %1.
Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 prijavljuje firmver %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Greška pri ažuriranju, pokušajte ponovo.
Nema odgovora od Bluetooth uređaja.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Ažuriranje firmvera otkazano.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Greška</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Podatke nije moguće predati PC-ju. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC još drži podatke. Izbacite disk na PC-ju i ponovo pritisnite Prekini vezu.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Memoriju merenja nije moguće otvoriti. Merenja se ne mogu sačuvati.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Prikaži FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Prikaži frekvenciju</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Prikaži stubac vršnog nivoa</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Stubac u boji frekvencije</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Prikaži parametre filtera</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dinamičko skaliranje</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Prikaži mrežu</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Prikaži histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Prikaži radni opseg</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Pokreni sa omiljenim</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Pokreni sa poslednjim filterom</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS uklj. pri startu</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Merenje nivoa</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Tačno lociranje</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dugotrajno merenje</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cevi</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Pokretanje</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Vreme</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručno</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Neispravan datum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Ovaj datum ne postoji. Ispravite dan ili mesec.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Osvetljenost</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>srednja</translation>
    </message>
    <message>
        <source>high</source>
        <translation>visoka</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Zaštita sluha</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivno</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivno</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Podesi jačinu slušalica</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maksimalna jačina zvuka biće ograničena.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Upozorenje! Opasnost od akustičnog šoka.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nikad</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Ušteda energije</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Isključivanje</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Gašenje ekrana</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Fabrička podešavanja</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Vraćanje na fabrička podešavanja.
Sva podešavanja (npr. jezik, upareni
Bluetooth uređaji) biće resetovana.
Sačuvana merenja neće biti obrisana.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Zaista resetovati sva podešavanja?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Omiljeni taster</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Režim tastera utišavanja</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prekidač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Ostrva Midvej</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Havaji</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Aljaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifik</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Čikago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>Njujork</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Njufaundlend</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grenland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Srednji Atlantik</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azori</translation>
    </message>
    <message>
        <source>London</source>
        <translation>London</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Kairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskva</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Nju Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Jangon</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokio</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darvin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sidnej</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fidži</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Letnje vreme</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Letnje vreme</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimsko vreme</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Prebaci letnje / zimsko vreme</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informacije o sistemu</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmver</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Datum proizvodnje</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>Bluetooth ID Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>Bluetooth ID Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Operativni sistem</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug uključen</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS informacije</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Dužina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vreme</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalitet</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Sateliti</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informacije o satelitima</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Brzina</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Merenje rastojanja</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referentna pozicija</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Trenutna pozicija</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Rastojanje</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Promeni zapis pozicije</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Prikaži poziciju</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Prikaži NMEA podatke</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Postavi referentnu poziciju</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Zaustavi praćenje</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Pokreni praćenje</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Obriši podatke</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Traži</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Uključite režim uparivanja
i pritisnite Traži ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Traženje</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nema uređaja. Pokušajte ponovo.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Izaberite uređaj za uparivanje</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Uparivanje uređaja</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Uparivanje nije uspelo.
Pokušajte ponovo.</translation>
    </message>
</context>
</TS>
