<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation type="unfinished">Pinpointing</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation type="unfinished">H2 sensor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished">Level</translation>
    </message>
    <message>
        <source>Management</source>
        <translation type="unfinished">Management</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation type="unfinished">Long-term</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation type="unfinished">Pipe locating</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished">Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished">Test</translation>
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
        <translation type="unfinished">Measurements</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation type="unfinished">Data transfer</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation type="unfinished">RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished">Update</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished">GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Settings</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation type="unfinished">Mute key mode</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation type="unfinished">Hearing protection</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished">Customise screens</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation type="unfinished">Paired headphones</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation type="unfinished">Paired RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation type="unfinished">Favourite key</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished">Brightness</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation type="unfinished">Power saving</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation type="unfinished">System information</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation type="unfinished">Reset to delivery state</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">Language</translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished">Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished">Date</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation type="unfinished">Time zone</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation type="unfinished">Daylight saving time</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished">Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation type="unfinished">Push button</translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished">Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished">Inactive</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation type="unfinished">Various settings</translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished">low</translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished">medium</translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished">high</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation type="unfinished">FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation type="unfinished">Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation type="unfinished">Winter time</translation>
    </message>
    <message>
        <source>never</source>
        <translation type="unfinished">never</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation type="unfinished">Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation type="unfinished">Screenshot</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation type="unfinished">Level measurement</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation type="unfinished">Long-term measurement</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation type="unfinished">H2 sensor</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation type="unfinished">Previous page</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation type="unfinished">Next page</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished">Pinpointing</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation type="unfinished">Pipe locating</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation type="unfinished">The settings could not be saved. Changes are lost when the device is switched off.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation type="unfinished">English</translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished">German</translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished">French</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished">Italian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished">Spanish</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished">Chinese</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished">Czech</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation type="unfinished">Hungarian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished">Russian</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation type="unfinished">Slovenian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished">Japanese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished">Polish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished">Portuguese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation type="unfinished">Romanian</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation type="unfinished">Slovakian</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation type="unfinished">Swedish</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation type="unfinished">Suomi</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation type="unfinished">Danish</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation type="unfinished">Norwegian</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation type="unfinished">Bulgarian</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation type="unfinished">Croatian</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished">Korean</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation type="unfinished">Serbian</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished">Turkish</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">Language</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation type="unfinished">Debug menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation type="unfinished">The functions of this service menu are not available in this version.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation type="unfinished">This function is not available in this version.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation type="unfinished">Factory test menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation type="unfinished">The functions of this service menu are not available in this version.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished">No</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation type="unfinished">The sensor could not be detected.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation type="unfinished">Battery voltage of RM-3 is to low. Please recharge.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation type="unfinished">Type of sensor could not detected. Please fix sensor or clean contacts.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation type="unfinished">The battery is very low. Please recharge.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Warning</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation type="unfinished">Enter a name</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation type="unfinished">Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation type="unfinished">Enter</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation type="unfinished">Delete</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation type="unfinished">Space</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation type="unfinished">No sensor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished">unknown</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished">RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation type="unfinished">Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation type="unfinished">Battery</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished">Gain</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation type="unfinished">Sensor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation type="unfinished">Key mode</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation type="unfinished">Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation type="unfinished">BT name</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation type="unfinished">BT address</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation type="unfinished">Read again</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="unfinished">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation type="unfinished">Asking the RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation type="unfinished">No answer from the RM-3. Check that it is switched on and near.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation type="unfinished">Pressure transducer</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Warning</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation type="unfinished">Max number of measurements reached. Measurement will not be stored. Please delete old measurements.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation type="unfinished">Number of measurements near limit. Please delete old measurements.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation type="unfinished">Not enough space on the data memory. The measurement was not stored. Please delete old measurements.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation type="unfinished">The measurement could not be stored.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation type="unfinished">Band filter on</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation type="unfinished">Filter off</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation type="unfinished">Low cut-off</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation type="unfinished">High cut-off</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation type="unfinished">Auto filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation type="unfinished">No filter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation type="unfinished">Quieter</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation type="unfinished">Louder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation type="unfinished">Warning! High volumes can lead
to hearing damage.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation type="unfinished">Gain of the wired input</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation type="unfinished">Gain of the sensor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation type="unfinished">Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation type="unfinished">Play recorded sound</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation type="unfinished">Stop playing</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation type="unfinished">Headphone gain</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation type="unfinished">Level</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation type="unfinished">Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation type="unfinished">Peak</translation>
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
        <translation type="unfinished">Previous page</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation type="unfinished">Edit measurement</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation type="unfinished">Filter measurements</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation type="unfinished">Next page</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation type="unfinished">No measurements stored</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation type="unfinished">The measurement could not be deleted.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation type="unfinished">The measurement could not be renamed. Another measurement may have this name.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation type="unfinished">Edit measurement</translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished">Type</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation type="unfinished">Date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished">Name</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation type="unfinished">Change name</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished">Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished">Pinpointing</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation type="unfinished">Level measurement</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation type="unfinished">Pipe locating</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation type="unfinished">H2 measurement</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation type="unfinished">Long-term measurement</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation type="unfinished">Delete this measurement with its recordings?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation type="unfinished">This measurement has no recording.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation type="unfinished">The recording cannot be played.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished">Note</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation type="unfinished">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="unfinished">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="unfinished">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="unfinished">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation type="unfinished">You must connect a H2-Sensor
to use this measurement.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished">Scale of the bars</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation type="unfinished">Delete the last position</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Settings</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation type="unfinished">Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation type="unfinished">Play recorded sound</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation type="unfinished">Stop playing</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation type="unfinished">Next position</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation type="unfinished">Analysis time</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation type="unfinished">Autoscale</translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished">Settings</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation type="unfinished">Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation type="unfinished">Adjust filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation type="unfinished">Microphone gain</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation type="unfinished">Set reference</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished">Scale</translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation type="unfinished">Headphone volume</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation type="unfinished">Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished">Points</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation type="unfinished">Time axis</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation type="unfinished">Pressure axis</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation type="unfinished">Analyse</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished">Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished">Next</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished">Store</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Main menu</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation type="unfinished">No transducer</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation type="unfinished">Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished">Disconnect</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation type="unfinished">The PC can now read the measurements.
Eject the drive on the PC,
then press Disconnect.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation type="unfinished">Connect the KXE500 to your PC
and press the button Connect.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
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
        <translation type="unfinished">These files from the PC could not be carried out:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation type="unfinished">Firmware update</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished">Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished">Disconnect</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation type="unfinished">Installed</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation type="unfinished">New</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation type="unfinished">Start update</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Close</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation type="unfinished">No firmware file %1 found.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation type="unfinished">%1 carries no version (like 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation type="unfinished">Please copy the firmware files.
Press the button Disconnect,
if all files are copied.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation type="unfinished">Connect the KXE500 to your PC
and press the button Connect.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation type="unfinished">Update KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation type="unfinished">Update RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation type="unfinished">%1 firmware files found; the newest is offered.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation type="unfinished">Could not read firmwarefile. Please try again.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation type="unfinished">Updating KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation type="unfinished">Copying files, please wait ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation type="unfinished">The firmware could not be copied. Please try again.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation type="unfinished">Firmware update KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation type="unfinished">All files copied.
Please wait for reboot ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation type="unfinished">Updating RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation type="unfinished">Transmitting firmware, please wait ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation type="unfinished">Error during firmware update. Please try again.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation type="unfinished">Firmware transmitted.
Please wait for the RM-3 to restart ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation type="unfinished">Firmware update successful.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation type="unfinished">Firmware update RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation type="unfinished">Firmware update successfully finished.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation type="unfinished">The RM-3 still reports firmware %1.
Please try again.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation type="unfinished">The RM-3 reports firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation type="unfinished">Error during update please try again.
No answer received from bluetooth device.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation type="unfinished">Firmware update cancelled.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation type="unfinished">Error</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="unfinished">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="unfinished">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="unfinished">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation type="unfinished">Show FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation type="unfinished">Show frequency value</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation type="unfinished">Show peak level bar</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation type="unfinished">Bar in frequency colour</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation type="unfinished">Show filter parameters</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation type="unfinished">Dynamic scaling</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation type="unfinished">Show grid</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation type="unfinished">Show histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation type="unfinished">Show working range</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation type="unfinished">Start with the favourite</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation type="unfinished">Start with the last filter</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation type="unfinished">GPS on at start</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation type="unfinished">Level measurement</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation type="unfinished">Pinpointing</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation type="unfinished">Long-term measurement</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation type="unfinished">H2 sensor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation type="unfinished">Pipe locating</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation type="unfinished">Start-up</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation type="unfinished">Time</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished">GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished">Manual</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation type="unfinished">Invalid date</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation type="unfinished">This date does not exist. Please correct the day or the month.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation type="unfinished">Brightness</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished">low</translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished">medium</translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished">high</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation type="unfinished">Hearing protection</translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished">Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation type="unfinished">Inactive</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation type="unfinished">Adjust headphone volume</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation type="unfinished">Maximum volume will be limited.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation type="unfinished">Warning! Risk of an acoustic shock.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation type="unfinished">never</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation type="unfinished">Power saving</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation type="unfinished">Power off</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation type="unfinished">Backlight off</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation type="unfinished">Reset to delivery state</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation type="unfinished">Reset to delivery state.
All settings (e.g. language,
paired bluetooth devices) will be reseted.
Stored measurements will not be deleted.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished">Reset</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished">Back</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">Warning</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation type="unfinished">Do you really want to reset all settings?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation type="unfinished">Favourite key</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation type="unfinished">Mode of the mute key</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished">Switch</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation type="unfinished">Push button</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished">Accept</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation type="unfinished">Midway Islands</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation type="unfinished">Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation type="unfinished">Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation type="unfinished">Pacific</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation type="unfinished">Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation type="unfinished">Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation type="unfinished">New York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation type="unfinished">Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation type="unfinished">Newfoundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation type="unfinished">Greenland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation type="unfinished">Mid-Atlantic</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation type="unfinished">Azores</translation>
    </message>
    <message>
        <source>London</source>
        <translation type="unfinished">London</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation type="unfinished">Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation type="unfinished">Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation type="unfinished">Moscow</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation type="unfinished">Tehran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation type="unfinished">Abu Dhabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation type="unfinished">Kabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation type="unfinished">Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation type="unfinished">New Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation type="unfinished">Kathmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation type="unfinished">Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation type="unfinished">Yangon</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation type="unfinished">Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation type="unfinished">Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation type="unfinished">Tokyo</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation type="unfinished">Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation type="unfinished">Sydney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation type="unfinished">Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation type="unfinished">Fiji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation type="unfinished">Summer time</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation type="unfinished">Summer time</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation type="unfinished">Winter time</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation type="unfinished">Switch summer / winter time</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation type="unfinished">unknown</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation type="unfinished">System information</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation type="unfinished">Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation type="unfinished">Serial number</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation type="unfinished">Production date</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation type="unfinished">Bluetooth ID Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation type="unfinished">Bluetooth ID Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation type="unfinished">Hardware</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation type="unfinished">Operating system</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished">Battery</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation type="unfinished">Debug Enabled</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation type="unfinished">GPS information</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished">Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished">Longitude</translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished">Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished">Time</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished">Quality</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation type="unfinished">Satellites</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation type="unfinished">Satellite information</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished">Direction</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation type="unfinished">Ground speed</translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished">Height</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation type="unfinished">Distance measurement</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation type="unfinished">Reference position</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation type="unfinished">Current position</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished">Distance</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation type="unfinished">Switch the position notation</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation type="unfinished">Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation type="unfinished">Show the position</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation type="unfinished">Show the NMEA data</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation type="unfinished">Set the reference position</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation type="unfinished">Stop monitoring</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation type="unfinished">Start monitoring</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation type="unfinished">Delete the data</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation type="unfinished">Search</translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished">Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancel</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation type="unfinished">Enable pairing mode
and press Search-Button ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation type="unfinished">Searching</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished">unknown</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation type="unfinished">No devices found. Try again.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation type="unfinished">Select device for pairing</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation type="unfinished">Pairing device</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation type="unfinished">Pairing not successful.
Please try again.</translation>
    </message>
</context>
</TS>
