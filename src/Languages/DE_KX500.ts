<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Punktortung</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2-Sensor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Langzeit</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Rohrortung</translation>
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
        <translation type="vanished">Drucksensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="vanished">Messungen</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Modus Stummtaste</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Gehörschutz</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anzeigen anpassen</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Gekoppelter Kopfhörer</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Gekoppeltes RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Favoritentaste</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Energiesparen</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Systeminformation</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Auslieferungszustand</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Sommer-/Winterzeit</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Verschiedene Werte</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Winterzeit</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Pegelmessung</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Langzeitmessung</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2-Sensor</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Punktortung</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Rohrortung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Änderungen gehen beim Ausschalten verloren.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slowenisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Kroatisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug-Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Die Funktionen dieses Service-Menüs sind in dieser Version nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Diese Funktion ist in dieser Version nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Werkstest-Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Die Funktionen dieses Service-Menüs sind in dieser Version nicht verfügbar.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Der Sensor wurde nicht erkannt.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Die Akkuspannung des RM-3 ist zu niedrig. Bitte aufladen.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Der Sensortyp wurde nicht erkannt. Bitte Sensor befestigen oder Kontakte reinigen.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Der Akku ist fast leer. Bitte aufladen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Kein Sensor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Tastenmodus</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT-Name</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT-Adresse</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Neu lesen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Keine Bluetooth-Verbindung. Bitte RM-3 prüfen.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>RM-3 wird abgefragt ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Keine Antwort vom RM-3. Ist es eingeschaltet und in der Nähe?</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Druckaufnehmer</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Maximale Anzahl an Messungen erreicht. Die Messung wird nicht gespeichert. Bitte alte Messungen löschen.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Anzahl der Messungen nahe am Limit. Bitte alte Messungen löschen.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Nicht genug Platz im Datenspeicher. Die Messung wurde nicht gespeichert. Bitte alte Messungen löschen.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Die Messung konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Bandfilter an</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filter aus</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Auto-Filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Kein Filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Achtung! Hohe Lautstärken können
zu Gehörschäden führen.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Verstärkung des Kabeleingangs</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Verstärkung des Sensors</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filter einstellen</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Aufnahme abspielen</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Kopfhörerverstärkung</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="vanished">Hinweis</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="vanished">Für diese Messung muss ein
akustischer Sensor angeschlossen sein.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="vanished">Warnung</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="vanished">Keine Bluetooth-Verbindung. Bitte RM-3 prüfen.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="vanished">Diese Messung hat keine Aufnahme.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="vanished">Diese Messung ist beschädigt. Ihre Werte können nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Messung bearbeiten</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Messungen filtern</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Keine Messungen gespeichert</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Die Messung konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Die Messung konnte nicht umbenannt werden. Vielleicht hat eine andere Messung diesen Namen.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Messung bearbeiten</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Namen ändern</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Punktortung</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Pegelmessung</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Rohrortung</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2-Messung</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Langzeitmessung</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Diese Messung mit ihren Aufnahmen löschen?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Diese Messung hat keine Aufnahme.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Die Aufnahme kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Für diese Messung muss ein
akustischer Sensor angeschlossen sein.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Diese Messung ist beschädigt. Ihre Werte können nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Keine Bluetooth-Verbindung. Bitte RM-3 prüfen.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Für diese Messung muss ein
H2-Sensor angeschlossen sein.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung der Balken</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Letzte Position löschen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filter einstellen</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Aufnahme abspielen</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Wiedergabe stoppen</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Nächste Position</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Analysezeit</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoskalierung</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filter einstellen</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Filter einstellen</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonverstärkung</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Referenz setzen</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Kopfhörerlautstärke</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Zeitachse</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Druckachse</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurückblättern</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiterblättern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Kein Aufnehmer</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>Der PC kann die Messungen jetzt lesen.
Laufwerk am PC auswerfen,
dann Trennen drücken.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>KXE500 mit dem PC verbinden
und Verbinden drücken.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="vanished">Die Daten konnten nicht an den PC übergeben werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="vanished">Der PC hält die Daten noch. Laufwerk am PC auswerfen und erneut Trennen drücken.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="vanished">Der Messwertspeicher konnte nicht geöffnet werden. Messungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>Diese Dateien vom PC konnten nicht ausgeführt werden:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Keine Firmwaredatei %1 gefunden.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 trägt keine Version (wie 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Bitte die Firmwaredateien kopieren.
Wenn alle Dateien kopiert sind,
Trennen drücken.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>KXE500 mit dem PC verbinden
und Verbinden drücken.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Update KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Update RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 Firmwaredateien gefunden; die neueste wird angeboten.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Firmwaredatei nicht lesbar. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>KXE500 wird aktualisiert</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Dateien werden kopiert, bitte warten ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Die Firmware konnte nicht kopiert werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Firmware-Update KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Alle Dateien kopiert.
Bitte auf den Neustart warten ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>RM-3 wird aktualisiert</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Firmware wird übertragen, bitte warten ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Fehler beim Firmware-Update. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware übertragen.
Bitte auf den Neustart des RM-3 warten ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Firmware-Update erfolgreich.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Firmware-Update RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Firmware-Update erfolgreich beendet.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>Das RM-3 meldet weiterhin Firmware %1.
Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>Das RM-3 meldet Firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Fehler beim Update, bitte erneut versuchen.
Keine Antwort vom Bluetooth-Gerät.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Firmware-Update abgebrochen.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Die Daten konnten nicht an den PC übergeben werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>Der PC hält die Daten noch. Laufwerk am PC auswerfen und erneut Trennen drücken.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Der Messwertspeicher konnte nicht geöffnet werden. Messungen können nicht gespeichert werden.</translation>
    </message>
</context>
</TS>
