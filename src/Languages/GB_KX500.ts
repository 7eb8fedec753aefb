<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Pinpointing</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 sensor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Management</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Long-term</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
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
        <translation type="vanished">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="vanished">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="vanished">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Data transfer</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Mute key mode</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Hearing protection</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Customise screens</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Paired headphones</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Paired RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Favourite key</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Reset to delivery state</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Push button</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Various settings</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Winter time</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Level measurement</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Long-term measurement</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 sensor</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Pinpointing</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>The settings could not be saved. Changes are lost when the device is switched off.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovakian</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarian</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croatian</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbian</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>The functions of this service menu are not available in this version.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>This function is not available in this version.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Factory test menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>The functions of this service menu are not available in this version.</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>The sensor could not be detected.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Battery voltage of RM-3 is to low. Please recharge.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Type of sensor could not detected. Please fix sensor or clean contacts.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>The battery is very low. Please recharge.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Enter a name</translation>
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
        <translation>Delete</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>No sensor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
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
        <translation>Battery</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Key mode</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT name</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT address</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Asking the RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>No answer from the RM-3. Check that it is switched on and near.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Pressure transducer</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Max number of measurements reached. Measurement will not be stored. Please delete old measurements.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Number of measurements near limit. Please delete old measurements.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Not enough space on the data memory. The measurement was not stored. Please delete old measurements.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>The measurement could not be stored.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Band filter on</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filter off</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Low cut-off</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>High cut-off</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Auto filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>No filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Quieter</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Louder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Warning! High volumes can lead
to hearing damage.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Gain of the wired input</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Gain of the sensor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Play recorded sound</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Stop playing</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Headphone gain</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="vanished">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="vanished">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="vanished">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="vanished">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="vanished">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="vanished">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Edit measurement</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filter measurements</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>No measurements stored</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>The measurement could not be deleted.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>The measurement could not be renamed. Another measurement may have this name.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Edit measurement</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Change name</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Pinpointing</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Level measurement</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2 measurement</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Long-term measurement</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Delete this measurement with its recordings?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>This measurement has no recording.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>The recording cannot be played.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>This measurement is damaged. Its values cannot be shown.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>You must connect a H2-Sensor
to use this measurement.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale of the bars</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Delete the last position</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Play recorded sound</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Stop playing</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Next position</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Analysis time</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoscale</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Set reference</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Time axis</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Pressure axis</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>No transducer</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>The PC can now read the measurements.
Eject the drive on the PC,
then press Disconnect.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Connect the KXE500 to your PC
and press the button Connect.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="vanished">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="vanished">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="vanished">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>These files from the PC could not be carried out:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>New</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Start update</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>No firmware file %1 found.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 carries no version (like 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Please copy the firmware files.
Press the button Disconnect,
if all files are copied.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Connect the KXE500 to your PC
and press the button Connect.</translation>
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
        <translation>%1 firmware files found; the newest is offered.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Could not read firmwarefile. Please try again.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Updating KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Copying files, please wait ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>The firmware could not be copied. Please try again.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Firmware update KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>All files copied.
Please wait for reboot ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Updating RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Transmitting firmware, please wait ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Error during firmware update. Please try again.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware transmitted.
Please wait for the RM-3 to restart ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Firmware update successful.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Firmware update RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Firmware update successfully finished.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>The RM-3 still reports firmware %1.
Please try again.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>The RM-3 reports firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Error during update please try again.
No answer received from bluetooth device.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Firmware update cancelled.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Show FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Show frequency value</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Show peak level bar</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Bar in frequency colour</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Show filter parameters</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dynamic scaling</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Show histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Show working range</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Start with the favourite</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Start with the last filter</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS on at start</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Level measurement</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Pinpointing</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Long-term measurement</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Pipe locating</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>This date does not exist. Please correct the day or the month.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Hearing protection</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Adjust headphone volume</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maximum volume will be limited.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Warning! Risk of an acoustic shock.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Backlight off</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Reset to delivery state</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Reset to delivery state.
All settings (e.g. language,
paired bluetooth devices) will be reseted.
Stored measurements will not be deleted.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Do you really want to reset all settings?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Favourite key</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Mode of the mute key</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Push button</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Midway Islands</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacific</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Newfoundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Greenland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Mid-Atlantic</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azores</translation>
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
        <translation>Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscow</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Tehran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dhabi</translation>
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
        <translation>New Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Kathmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Yangon</translation>
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
        <translation>Tokyo</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fiji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Winter time</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Switch summer / winter time</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Production date</translation>
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
        <translation>Hardware</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug Enabled</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS information</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Satellite information</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Ground speed</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Distance measurement</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Reference position</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Current position</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Switch the position notation</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Show the position</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Show the NMEA data</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Set the reference position</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Stop monitoring</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Start monitoring</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Delete the data</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Enable pairing mode
and press Search-Button ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>No devices found. Try again.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Select device for pairing</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Pairing device</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Pairing not successful.
Please try again.</translation>
    </message>
</context>
</TS>
